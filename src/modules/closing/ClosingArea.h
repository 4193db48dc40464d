#pragma once

// Enters the stock count and closing screens into the program table; called once at start-up.
void RegisterClosingArea();
