#pragma once
// What a hosted screen asks of the window that hosts it in a tab.

class TabHost {
public:
    virtual ~TabHost() = default;
    // The close key of the active tab (what the hidden F12 entry does).
    virtual void closeActiveTab() = 0;
    // The active tab's screen refused to close itself: remove its tab and
    // destroy it once its close handling has returned.
    virtual void removeActiveTab() = 0;
};
