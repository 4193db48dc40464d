#pragma once
// List and print screens: search panel, print and preview.

#include "framework/ZZI000.h"

class QHBoxLayout;

class TfrmZZS010 : public TfrmZZI000 {
    Q_OBJECT
public:
    TfrmZZS010(const QString &programId, QWidget *parent = nullptr);

    virtual bool bbtSearchClick();
    virtual bool bbtPrintClick();
    virtual bool bbtPreviewClick();

    QFrame *panSearch;
    QPushButton *bbtSearch;
    QPushButton *bbtPrint;
    QPushButton *bbtPreview;

protected:
    using TfrmZZI000::FormCreate;
    QHBoxLayout *m_searchLayout;
};
