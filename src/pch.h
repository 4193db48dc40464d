// Precompiled header of the core library: the Qt headers nearly every unit uses.
#pragma once
#include <QtCore>
#include <QtGui>
#include <QtWidgets>
#include <QtSql>
