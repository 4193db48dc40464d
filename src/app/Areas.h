#pragma once

// Enters every area's programs and reports into the program table and the
// report catalogue. The main window calls it when it is created; later calls
// do nothing.
void RegisterAreas();
