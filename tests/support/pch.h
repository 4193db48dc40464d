// Precompiled header of the test suites: the screen layers' Qt headers and QtTest.
#pragma once
#include "pch/widgets.h"
#include <QtTest>
