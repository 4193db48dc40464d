#pragma once
// The receiving screens (inspection receipts, their confirmation, returns
// of issued goods) in the program table.
void RegisterReceivingArea();
