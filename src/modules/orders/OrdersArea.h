#pragma once

// Enters the purchase order screens and their reports into the program table
// and the report catalogue; called once at start-up.
void RegisterOrdersArea();
