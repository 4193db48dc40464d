#pragma once
// Root of the tab screens: button bar, work area and status bar, hot keys,
// hosted or window behaviour, focus colouring.

#include <QFrame>
#include <QPushButton>
#include <QWidget>

class QLabel;
class QHBoxLayout;
class QVBoxLayout;

// The four-panel status bar: program id, message, user, role.
class StatusPanels : public QFrame {
    Q_OBJECT
public:
    explicit StatusPanels(QWidget *parent);
    QString text(int panel) const;
    void setText(int panel, const QString &text);
    int panelWidth(int panel) const;

protected:
    void resizeEvent(QResizeEvent *) override;

private:
    void layoutPanels();
    QLabel *m_panels[4];
};

class TfrmZZI000 : public QWidget {
    Q_OBJECT
public:
    // `programId` is the form name without "frm", e.g. "OPI010".
    TfrmZZI000(const QString &programId, QWidget *parent = nullptr);

    QString programId() const { return m_programId; }
    // A screen without a host window of its own is hosted in a tab.
    bool isHosted() const { return !isWindow(); }

    void ShowStatus(const QString &text);
    QString statusText(int panel) const;

    // The button rule: a hidden or disabled button does nothing.
    static bool usable(const QAbstractButton *button, const QWidget *screen);

    // Focus colouring for descendants to attach: tooltip colour on entry,
    // white on exit, grey for read-only fields.
    static void SetEditColor(QWidget *control, bool entering);

    virtual bool bbtCloseClick();

    QPushButton *bbtClose;
    QWidget *panButtons;
    QWidget *panMain;
    StatusPanels *stbMessage;

protected:
    // A button 80 × 25 placed into the button bar, right of the stretch.
    QPushButton *addButton(const QString &objectName, const QString &caption, QPushButton *before = nullptr);
    // A hot key that runs `handler` anywhere inside the screen, under the
    // standard error display.
    QAction *addHotKey(const QString &objectName, const QKeySequence &key, std::function<void()> handler);
    void FormCreate();
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

    QVBoxLayout *m_rootLayout;
    QHBoxLayout *m_buttonLayout;

private:
    void readRole();

    QAction *m_closeKey;
    QString m_programId;
};

// The button bar of screens and dialogs: 40 pixels, buttons right-aligned
// after a stretch in `layout`.
QFrame *makeButtonBar(QWidget *owner, QHBoxLayout *&layout);
// The search panel: 40 pixels, the fields go left of the stretch in
// `layout`, "조회(F3)" at the right edge.
QFrame *makeSearchPanel(QWidget *owner, QHBoxLayout *&layout, QPushButton *&bbtSearch);

// Gives the focus to the first tab stop inside `container`.
void FocusFirstIn(QWidget *container);

// A push button as the screens have it: 80 × 25, caption, object name.
QPushButton *makeButton(QWidget *parent, const QString &objectName, const QString &caption);
