#pragma once

// Enters the master data screens and their reports into the program table
// and the report catalogue; called once at start-up.
void RegisterMasterArea();
