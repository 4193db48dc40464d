#pragma once

// Enters the stock summaries, ledgers and the daily cost report screens and
// their reports into the program table and the report catalogue; called once
// at start-up.
void RegisterStockArea();
