#include "framework/PopupWnd.h"
#include "db/Query.h"
#include "framework/ErrorDisplay.h"
#include "widgets/DataGrid.h"
#include "widgets/RecordSet.h"

#include <QPainter>
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace popup {

namespace {

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$') || c == QLatin1Char('#'); }

// The clause keywords that start a line, longest first where one begins another.
const QRegularExpression &clauseKeyword()
{
    static const QRegularExpression re(
        QStringLiteral("\\G(?:GROUP\\s+BY|ORDER\\s+BY|FROM|WHERE|AND|HAVING|UNION)(?![A-Za-z0-9_$#])"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

// Parenthesis depth at the start of each line (quotes and comments skipped).
QVector<int> depthAtLineStarts(const QStringList &lines)
{
    QVector<int> depths;
    int depth = 0;
    for (const QString &line : lines) {
        depths.append(depth);
        QChar quote;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line.at(i);
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                quote = c;
            } else if (c == QLatin1Char('-') && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('-')) {
                break;
            } else if (c == QLatin1Char('(')) {
                ++depth;
            } else if (c == QLatin1Char(')')) {
                depth = qMax(0, depth - 1);
            }
        }
    }
    return depths;
}

bool matches(const QString &line, const char *pattern)
{
    return QRegularExpression(QString::fromLatin1(pattern), QRegularExpression::CaseInsensitiveOption)
        .match(line)
        .hasMatch();
}

} // namespace

QStringList clauseLines(const QString &sql)
{
    QString out;
    out.reserve(sql.size() + 16);
    QChar quote;
    int depth = 0;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!quote.isNull()) {
            out += c;
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char('-') && i + 1 < sql.size() && sql.at(i + 1) == QLatin1Char('-')) {
            const qsizetype end = sql.indexOf(QLatin1Char('\n'), i);
            const qsizetype stop = end < 0 ? sql.size() : end;
            out += sql.mid(i, stop - i);
            i = stop - 1;
            continue;
        } else if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')')) {
            depth = qMax(0, depth - 1);
        } else if (depth == 0 && c.isLetter() && (i == 0 || !isWordChar(sql.at(i - 1)))
                   && clauseKeyword().match(sql, i).hasMatch()) {
            out += QLatin1Char('\n');
        }
        out += c;
    }
    QStringList lines;
    for (const QString &line : out.split(QLatin1Char('\n'))) {
        const QString t = line.trimmed();
        if (!t.isEmpty())
            lines.append(t);
    }
    return lines;
}

QString prefixStatement(const QString &sql, const QString &column)
{
    QStringList lines = clauseLines(sql);
    const QVector<int> depths = depthAtLineStarts(lines);
    int before = -1;
    bool hasWhere = false;
    for (int i = 1; i < lines.size(); ++i) {
        if (depths.at(i) != 0)
            continue;
        if (matches(lines.at(i), "^WHERE\\b"))
            hasWhere = true;
        if (before < 0 && matches(lines.at(i), "^(GROUP|ORDER)\\s+BY\\b"))
            before = i;
    }
    const QString param = column.section(QLatin1Char('.'), -1).toUpper();
    const QString condition = (hasWhere ? QStringLiteral("AND ") : QStringLiteral("WHERE ")) + column
        + QStringLiteral(" LIKE :") + param + QStringLiteral(" || '%'");
    lines.insert(before < 0 ? lines.size() : before, condition);
    return lines.join(QLatin1Char('\n'));
}

QStringList withSearchCondition(const QStringList &lines, const QString &condition)
{
    int from = 0, where = 0, andLine = 0, groupBy = 0, orderBy = 0;
    for (int i = 1; i < lines.size(); ++i) {
        const QString &l = lines.at(i);
        if (matches(l, "\\bfrom\\b"))
            from = i;
        if (matches(l, "\\bwhere\\b"))
            where = i;
        if (matches(l, "\\band\\b"))
            andLine = i;
        if (matches(l, "\\bgroup\\s+by\\b"))
            groupBy = i;
        if (matches(l, "\\border\\s+by\\b"))
            orderBy = i;
    }
    QStringList out = lines;
    if (where > 0) {
        // An AND line inside the WHERE part carries the condition on; any
        // other (a join, a sub-select on the WHERE line) leaves the WHERE
        // line as the place, so the search is never silently dropped.
        const int after = andLine > from && andLine > where ? andLine : where;
        out.insert(after + 1, QStringLiteral("AND ") + condition);
    } else {
        const QString line = QStringLiteral("WHERE ") + condition;
        if (groupBy > 0)
            out.insert(groupBy, line);
        else if (orderBy > 0)
            out.insert(orderBy, line);
        else
            out.append(line);
    }
    return out;
}

} // namespace popup

namespace {

QToolButton *toolButton(QWidget *parent, const QString &name, const QString &hint)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(25, 25);
    return b;
}

void bindParams(db::Query &q, const QMap<QString, QString> &params, const std::optional<QString> &fill)
{
    for (const QString &name : q.parameterNames()) {
        std::optional<QString> value;
        for (auto it = params.cbegin(); it != params.cend() && !value; ++it) {
            if (it.key().compare(name, Qt::CaseInsensitive) == 0)
                value = it.value();
        }
        q.bind(name, value ? *value : fill.value_or(QString()));
    }
}

// The pictures of the tool bar, drawn rather than loaded.
QIcon drawnIcon(const std::function<void(QPainter &)> &draw)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return QIcon(pm);
}

} // namespace

TfrmPopupWnd::TfrmPopupWnd(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmPopupWnd"));
    setWindowTitle(QStringLiteral("코드검색"));
    setSizeGripEnabled(true);
    resize(300, 400);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    ToolBar = new QFrame(this);
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setFrameShape(QFrame::StyledPanel);
    auto *tools = new QHBoxLayout(ToolBar);
    tools->setContentsMargins(2, 2, 2, 2);
    tools->setSpacing(1);
    NavFirst = toolButton(ToolBar, QStringLiteral("NavFirst"), QStringLiteral("처음 자료"));
    NavPrior = toolButton(ToolBar, QStringLiteral("NavPrior"), QStringLiteral("앞 자료"));
    NavNext = toolButton(ToolBar, QStringLiteral("NavNext"), QStringLiteral("다음 자료"));
    NavLast = toolButton(ToolBar, QStringLiteral("NavLast"), QStringLiteral("마지막 자료"));
    NavFirst->setArrowType(Qt::UpArrow);
    NavPrior->setArrowType(Qt::LeftArrow);
    NavNext->setArrowType(Qt::RightArrow);
    NavLast->setArrowType(Qt::DownArrow);
    SpeedButtonOk = toolButton(ToolBar, QStringLiteral("SpeedButtonOk"), QStringLiteral("확인 Enter"));
    SpeedButtonOk->setIcon(drawnIcon([](QPainter &p) {
        p.setPen(QPen(QColor(0, 128, 0), 2.2));
        p.drawPolyline(QPolygonF({{2.5, 8.5}, {6.5, 12.5}, {13.5, 3.5}}));
    }));
    SpeedButtonCancel = toolButton(ToolBar, QStringLiteral("SpeedButtonCancel"), QStringLiteral("취소 Esc"));
    SpeedButtonCancel->setIcon(drawnIcon([](QPainter &p) {
        p.setPen(QPen(QColor(192, 0, 0), 2.2));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    }));
    SpeedButtonRetrieve = toolButton(ToolBar, QStringLiteral("SpeedButtonRetrieve"), QStringLiteral("조회 Ctrl+A"));
    SpeedButtonRetrieve->setIcon(SearchGlyph());
    for (QToolButton *b : {NavFirst, NavPrior, NavNext, NavLast})
        tools->addWidget(b);
    tools->addSpacing(6);
    tools->addWidget(SpeedButtonOk);
    tools->addWidget(SpeedButtonCancel);
    tools->addStretch(1);
    tools->addWidget(SpeedButtonRetrieve);
    root->addWidget(ToolBar);

    auto *find = new QFrame(this);
    find->setObjectName(QStringLiteral("panFind"));
    auto *findLayout = new QHBoxLayout(find);
    findLayout->setContentsMargins(2, 2, 2, 2);
    findLayout->setSpacing(2);
    ComboBox = new QComboBox(find);
    ComboBox->setObjectName(QStringLiteral("ComboBox"));
    ComboBox->setEditable(false);
    ComboBox->setMinimumContentsLength(8);
    Edit = new QLineEdit(find);
    Edit->setObjectName(QStringLiteral("Edit"));
    findLayout->addWidget(ComboBox);
    findLayout->addWidget(Edit, 1);
    root->addWidget(find);

    cdsPopup = new widgets::RecordSet(this);
    cdsPopup->setObjectName(QStringLiteral("cdsPopup"));
    DBGrid = new widgets::DataGrid(this);
    DBGrid->setObjectName(QStringLiteral("DBGrid"));
    DBGrid->setRowSelect(true);
    DBGrid->setReadOnly(true);
    DBGrid->setRecordSet(cdsPopup);
    root->addWidget(DBGrid, 1);

    PanelStatus = new QLabel(this);
    PanelStatus->setObjectName(QStringLiteral("PanelStatus"));
    PanelStatus->setFrameShape(QFrame::StyledPanel);
    PanelStatus->setFrameShadow(QFrame::Sunken);
    PanelStatus->setContentsMargins(4, 1, 4, 1);
    root->addWidget(PanelStatus);

    connect(NavFirst, &QToolButton::clicked, cdsPopup, &widgets::RecordSet::first);
    connect(NavPrior, &QToolButton::clicked, cdsPopup, &widgets::RecordSet::prior);
    connect(NavNext, &QToolButton::clicked, cdsPopup, &widgets::RecordSet::next);
    connect(NavLast, &QToolButton::clicked, cdsPopup, &widgets::RecordSet::last);
    connect(SpeedButtonOk, &QToolButton::clicked, this, [this] { Pick(); });
    connect(SpeedButtonCancel, &QToolButton::clicked, this, &QDialog::reject);
    connect(SpeedButtonRetrieve, &QToolButton::clicked, this, [this] { Retrieve(); });
    connect(DBGrid, &widgets::DataGrid::cellDoubleClicked, this, [this] { Pick(); });
    auto *retrieveKey = new QAction(this);
    retrieveKey->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    retrieveKey->setShortcutContext(Qt::WindowShortcut);
    connect(retrieveKey, &QAction::triggered, this, [this] { Retrieve(); });
    addAction(retrieveKey);

    for (QWidget *w : {static_cast<QWidget *>(ComboBox), static_cast<QWidget *>(Edit), static_cast<QWidget *>(DBGrid)})
        w->installEventFilter(this);
    setFocusProxy(Edit);
}

void TfrmPopupWnd::setSource(db::Connection &conn, const QStringList &sql, const QMap<QString, QString> &params,
                             const QStringList &titles, const QStringList &widths)
{
    m_conn = &conn;
    m_sql = sql;
    m_params = params;
    m_titles = titles;
    m_widths = widths;
}

void TfrmPopupWnd::openList(const QString &sql, const std::optional<QString> &fill)
{
    db::Query q(*m_conn, sql);
    bindParams(q, m_params, fill);
    q.exec();
    load(q);
}

void TfrmPopupWnd::load(db::Query &query)
{
    m_columns = query.columns();
    m_numeric.clear();
    QVector<widgets::Field> fields;
    for (const QString &name : std::as_const(m_columns)) {
        m_numeric.append(query.isNumeric(name));
        fields.append({name, widgets::FieldKind::Text, {}});
    }
    cdsPopup->setFields(fields);
    cdsPopup->beginLoad();
    while (query.next()) {
        QVector<QVariant> row;
        row.reserve(m_columns.size());
        for (int i = 0; i < m_columns.size(); ++i) {
            const QString text = query.text(i);
            row.append(text.isEmpty() ? QVariant() : QVariant(text));
        }
        cdsPopup->appendRow(std::move(row));
    }
    cdsPopup->endLoad();
    if (!m_laidOut)
        layoutColumns();
    PanelStatus->setText(QStringLiteral("RecordCount : %1").arg(cdsPopup->recordCount()));
    // With rows Enter picks at once; without, the user searches.
    if (cdsPopup->recordCount() > 0)
        DBGrid->setFocus();
    else
        Edit->setFocus();
}

void TfrmPopupWnd::layoutColumns()
{
    m_laidOut = true;
    const QFontMetrics fm = DBGrid->fontMetrics();
    const int charWidth = fm.horizontalAdvance(QLatin1Char('0'));
    QVector<widgets::GridColumn> columns;
    ComboBox->clear();
    int sum = 0;
    for (int i = 0; i < m_columns.size(); ++i) {
        const QString title = i < m_titles.size() ? m_titles.at(i) : m_columns.at(i);
        int pixels = 0;
        if (m_widths.isEmpty()) {
            pixels = fm.horizontalAdvance(title);
            for (int row = 0; row < qMin(cdsPopup->recordCount(), 200); ++row)
                pixels = qMax(pixels, fm.horizontalAdvance(cdsPopup->value(row, i).toString()));
            pixels = qMin(pixels + 12, 40 * charWidth);
        } else if (i < m_widths.size()) {
            const int chars = m_widths.at(i).trimmed().toInt();
            pixels = chars > 0 ? chars * charWidth + 6 : 0;
        }
        widgets::col::Options options;
        if (m_numeric.value(i))
            options = widgets::col::Right;
        columns.append({m_columns.at(i), title, pixels, {}, options});
        sum += pixels;
        ComboBox->addItem(title);
    }
    DBGrid->setColumns(columns);
    ComboBox->setCurrentIndex(columns.isEmpty() ? -1 : 0);
    const int needed = 2 * style()->pixelMetric(QStyle::PM_ScrollBarExtent) + sum + 15;
    if (width() < needed)
        resize(needed, height());
}

void TfrmPopupWnd::placeFor(const QWidget *button, TDialogAlign align)
{
    if (align == daCenter) {
        QScreen *screen = button ? button->screen() : QGuiApplication::primaryScreen();
        if (screen)
            move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
        return;
    }
    const QWidget *area = button ? button->parentWidget() : nullptr;
    if (!area)
        return;
    const QRect client = area->contentsRect();
    const QPoint topLeft = area->mapToGlobal(client.topLeft());
    if (align == daTopLeft)
        move(topLeft);
    else
        move(area->mapToGlobal(client.topRight()).x() - width() + 1, topLeft.y());
}

bool TfrmPopupWnd::Retrieve()
{
    const int col = ComboBox->currentIndex() < 0 ? 0 : ComboBox->currentIndex();
    if (!m_conn || col >= m_columns.size())
        return false;
    // The field is a result column's name, never typed text; the text itself
    // travels as a parameter, so quotes and the like are searched for as such.
    const QString field = m_columns.at(col);
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_$#]*$"));
    if (!identifier.match(field).hasMatch())
        return false;
    const QString searched = m_numeric.value(col) ? QStringLiteral("CAST(%1 AS VARCHAR(40))").arg(field) : field;
    const QString condition = searched + QStringLiteral(" LIKE '%' || COALESCE(:POPUP_SEARCH,'') || '%'");
    const QStringList lines = popup::withSearchCondition(popup::clauseLines(m_sql.join(QLatin1Char('\n'))), condition);
    try {
        db::Query q(*m_conn, lines.join(QLatin1Char('\n')));
        QMap<QString, QString> params = m_params;
        params.insert(QStringLiteral("POPUP_SEARCH"), Edit->text());
        bindParams(q, params, std::nullopt);
        q.exec();
        load(q);
        return true;
    } catch (const std::exception &e) {
        ShowStandardError(e);
        return false;
    }
}

bool TfrmPopupWnd::Pick()
{
    if (cdsPopup->currentRow() < 0)
        return false;
    accept();
    return true;
}

int TfrmPopupWnd::rowCount() const { return cdsPopup->recordCount(); }

QStringList TfrmPopupWnd::currentValues() const
{
    QStringList values;
    const int row = cdsPopup->currentRow();
    if (row < 0)
        return values;
    for (int i = 0; i < cdsPopup->fieldCount(); ++i) {
        const QString text = cdsPopup->value(row, i).toString();
        values.append(text.isEmpty() ? QStringLiteral(" ") : text);
    }
    return values;
}

namespace {

bool isRetrieveKey(const QKeyEvent *event)
{
    return event->key() == Qt::Key_A && event->modifiers() == Qt::ControlModifier;
}

} // namespace

bool TfrmPopupWnd::windowKey(QKeyEvent *event)
{
    if (isRetrieveKey(event)) {
        Retrieve();
        return true;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Retrieve();
        return true;
    case Qt::Key_Escape:
        reject();
        return true;
    case Qt::Key_Left:
        ComboBox->setFocus();
        return true;
    case Qt::Key_Down:
        DBGrid->setFocus();
        return true;
    default:
        return false;
    }
}

void TfrmPopupWnd::keyPressEvent(QKeyEvent *event)
{
    if (!windowKey(event))
        QDialog::keyPressEvent(event);
}

bool TfrmPopupWnd::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == Edit)
        return windowKey(key);
    if (isRetrieveKey(key)) {
        Retrieve();
        return true;
    }
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (key->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    if (watched == DBGrid && enter) {
        Pick();
        return true;
    }
    if (watched == ComboBox) {
        if (enter) {
            Pick();
            return true;
        }
        if (key->key() == Qt::Key_Right) {
            Edit->setFocus();
            return true;
        }
    }
    return false;
}

#include "moc_PopupWnd.cpp"
