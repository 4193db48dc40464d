#pragma once
// Screens that search first and then work: a search panel on top, save and
// cancel in the button bar, search mode and work mode.

#include "framework/ZZI000.h"

class TfrmZZI010 : public TfrmZZI000 {
    Q_OBJECT
public:
    TfrmZZI010(const QString &programId, QWidget *parent = nullptr);

    // In search mode only the search panel, the search button and the close
    // button can be used; in work mode the work area and the buttons.
    void SetSearchMode(bool searching);

    // Each returns false when the button rule ended the operation; a
    // descendant then ends its part too.
    virtual bool bbtSearchClick();
    virtual bool bbtSaveClick();
    virtual bool bbtCancelClick();

    QFrame *panSearch;
    QPushButton *bbtSearch;
    QPushButton *bbtSave;
    QPushButton *bbtCancel;

protected:
    void FormCreate();

    QHBoxLayout *m_searchLayout;   // the search fields go left of the stretch
};
