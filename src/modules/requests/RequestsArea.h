#pragma once

// Enters the purchase request screens into the program table; called once at start-up.
void RegisterRequestsArea();
