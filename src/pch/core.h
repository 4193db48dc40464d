// Precompiled header of the lower layers: the Qt value types nearly every
// unit uses, nothing more (a large header costs every unit its load time).
#pragma once
#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
