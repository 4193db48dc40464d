#pragma once
// Modal dialogs with OK and close; ZZH010 adds a search panel.

#include <QDialog>

class QFrame;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

class TfrmZZH000 : public QDialog {
    Q_OBJECT
public:
    explicit TfrmZZH000(QWidget *owner = nullptr);

    // Runs the dialog through the dialog seam; true when closed with OK.
    bool execute();

    virtual bool bbtOKClick();
    virtual bool bbtCloseClick();

    QWidget *panMain;
    QFrame *panButtons;
    QPushButton *bbtOK;
    QPushButton *bbtClose;

protected:
    void addHotKey(const QString &objectName, const QKeySequence &key, std::function<void()> handler);
    bool usable(const QPushButton *button) const;

    QVBoxLayout *m_rootLayout;
};

class TfrmZZH010 : public TfrmZZH000 {
    Q_OBJECT
public:
    explicit TfrmZZH010(QWidget *owner = nullptr);

    virtual bool bbtSearchClick();

    QFrame *panSearch;
    QPushButton *bbtSearch;

protected:
    QHBoxLayout *m_searchLayout;
};
