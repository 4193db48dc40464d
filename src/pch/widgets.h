// Precompiled header of the screen layers: the value types and the widgets
// nearly every screen unit uses.
#pragma once
#include "pch/core.h"
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
