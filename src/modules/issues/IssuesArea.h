#pragma once

// Issues, transfers between warehouses and returns: their screens and reports.
void RegisterIssuesArea();
