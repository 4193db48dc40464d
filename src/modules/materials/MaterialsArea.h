#pragma once

// Enters the material in/out screens into the program table; called once at start-up.
void RegisterMaterialsArea();
