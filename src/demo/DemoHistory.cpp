#include "demo/DemoHistory.h"

#include "db/Query.h"
#include "modules/orders/OrderWrite.h"
#include "modules/requests/RequestData.h"
#include "session/Session.h"

#include <QHash>
#include <QSet>
#include <QRandomGenerator>

#include <numbers>

#include <algorithm>
#include <cmath>

namespace demo {

namespace {

// Who does what in the demo resort (employees of the demo master data).
const QString kPurchasing = QStringLiteral("P0000001");
const QString kWarehouse = QStringLiteral("W0000001");
const QString kKitchen = QStringLiteral("K0000001");
const QString kMaintenance = QStringLiteral("M0000001");
const QString kAdministrator = QStringLiteral("A0000001");

// Issue, transfer and return documents hold at most this many lines, as a
// clerk's document would (and the line numbers have two digits).
constexpr int kLinesPerDocument = 30;
constexpr int kLinesPerRequest = 60;

enum class Supply { Purchase, Transfer };
enum class Rhythm { Daily, Weekdays, TwiceAWeek };

// How a warehouse of the demo master data works.
struct Profile {
    const char *strg;
    QStringList classes;     // item class prefixes it keeps
    int assortment;          // items it keeps (times the scale)
    double pickRate;         // chance that an item is issued on an issuing day
    double demand;           // relative consumption
    Supply supply;
    const char *source;      // the store a transfer-supplied warehouse draws from
    Rhythm rhythm;           // its issuing days
    bool counted;            // counted at every month end
    const QString *issuer;   // who issues its goods
};

QList<Profile> baseProfiles()
{
    const QStringList food = {QStringLiteral("L")};
    return {
        {"110", food, 40, 0.25, 1.0, Supply::Purchase, "", Rhythm::Daily, true, &kWarehouse},
        {"120", {QStringLiteral("B")}, 30, 0.25, 0.8, Supply::Purchase, "", Rhythm::Daily, true, &kWarehouse},
        {"130", {QStringLiteral("S")}, 30, 0.20, 0.6, Supply::Purchase, "", Rhythm::Weekdays, true, &kWarehouse},
        {"310", {QStringLiteral("P")}, 40, 0.10, 0.08, Supply::Purchase, "", Rhythm::Weekdays, true, &kMaintenance},
        {"210", food, 35, 0.35, 0.8, Supply::Purchase, "", Rhythm::Daily, true, &kKitchen},
        {"220", food, 35, 0.35, 0.8, Supply::Purchase, "", Rhythm::Daily, true, &kKitchen},
        {"230", food, 30, 0.35, 0.7, Supply::Purchase, "", Rhythm::Daily, true, &kKitchen},
        {"240", food, 50, 0.45, 1.2, Supply::Purchase, "", Rhythm::Daily, true, &kKitchen},
        {"410", food, 25, 0.30, 0.5, Supply::Purchase, "", Rhythm::Daily, true, &kKitchen},
        {"430", food, 25, 0.30, 0.6, Supply::Purchase, "", Rhythm::Daily, true, &kKitchen},
        {"250", {QStringLiteral("B2"), QStringLiteral("B3"), QStringLiteral("L50")}, 20, 0.40, 0.6, Supply::Purchase, "",
         Rhythm::Daily, true, &kKitchen},
        {"260", {QStringLiteral("B1"), QStringLiteral("B2")}, 25, 0.40, 0.5, Supply::Purchase, "", Rhythm::Daily, true,
         &kKitchen},
        {"510", {QStringLiteral("B1"), QStringLiteral("B2"), QStringLiteral("L50"), QStringLiteral("S20")}, 30, 0.30, 0.4,
         Supply::Purchase, "", Rhythm::Daily, false, &kWarehouse},
        {"270", {QStringLiteral("S1")}, 15, 0.60, 0.6, Supply::Transfer, "130", Rhythm::Daily, false, &kWarehouse},
        {"530", {QStringLiteral("S1")}, 15, 0.50, 0.5, Supply::Transfer, "130", Rhythm::Daily, false, &kWarehouse},
        {"320", {QStringLiteral("P1")}, 10, 0.15, 0.05, Supply::Transfer, "310", Rhythm::TwiceAWeek, false, &kMaintenance},
        {"330", {QStringLiteral("P2"), QStringLiteral("P3")}, 10, 0.15, 0.05, Supply::Transfer, "310", Rhythm::TwiceAWeek,
         false, &kMaintenance},
        {"420", {QStringLiteral("P4"), QStringLiteral("P5")}, 8, 0.10, 0.04, Supply::Transfer, "310", Rhythm::TwiceAWeek,
         false, &kMaintenance},
        {"440", {QStringLiteral("P4"), QStringLiteral("P5")}, 8, 0.10, 0.04, Supply::Transfer, "310", Rhythm::TwiceAWeek,
         false, &kMaintenance},
    };
}

const QStringList kWitnesses = {QStringLiteral("김민수"), QStringLiteral("박서연"), QStringLiteral("이도윤"),
                                QStringLiteral("최지우"), QStringLiteral("정하준")};
const QStringList kReturnReasons = {QStringLiteral("포장 파손"), QStringLiteral("품질 불량"),
                                    QStringLiteral("규격 상이"), QStringLiteral("유통기한 임박")};

struct Item {
    QString code, standard, divide, cCode, taxGubun;
    double changeQty = 1;
    double cost = 0;         // per purchase unit
    int leadTime = 1;
    double unitCost() const { return cost / changeQty; }
};

// One warehouse in the simulation: what it keeps and how fast it uses it.
struct Store {
    QString strg, deptCode;
    const Profile *profile = nullptr;
    QString source;                       // for transfer-supplied warehouses
    QStringList items;
    QHash<QString, double> rate;          // own consumption per day (stock units)
    QHash<QString, double> supplyRate;    // own plus what dependants draw
    QHash<QString, double> stock;
    QHash<QString, double> onOrder;
};

struct Delivery {
    QString ordeNo, cCode, strg;
    QVector<ReceiptLine> lines;
};

class ActingAs {
public:
    explicit ActingAs(const QString &empNo) : m_saved(gEmpNo) { gEmpNo = empNo; }
    ~ActingAs() { gEmpNo = m_saved; }
    ActingAs(const ActingAs &) = delete;
    ActingAs &operator=(const ActingAs &) = delete;

private:
    QString m_saved;
};

QString dateText(const QDate &d) { return d.toString(QStringLiteral("yyyy-MM-dd")); }

const char *const kItemColumns =
    "ITEM_NAME, ITEM_SNAME, ITEM_INDEX, ITEM_STANDARD1, ITEM_STANDARD2, ITEM_TYPE, DIVIDE_CODE, GUMAE_UNIT, "
    "SOOBUL_UNIT, CHANGE_QTY, SOOBUL_YN, TAX_GUBUN, ACCT_CODE, C_CODE, COST_AMT, STRG_CODE, ABC_GUBUN, "
    "FIXED_PRU_GUBUN, LEAD_TIME, LIMIT_STOCK, ORG_NATION, PROD_ITEM, SOMO_JAEGO_YN, SUTAK_YN, USE_YN";

class History {
public:
    History(db::Connection &conn, const HistoryOptions &options)
        : m_conn(conn), m_options(options), m_docs(conn, options.posting), m_rng(options.seed),
          m_profiles(baseProfiles())
    {
        if (!options.warehouses.isEmpty()) {
            m_profiles.removeIf([&](const Profile &p) { return !options.warehouses.contains(QLatin1String(p.strg)); });
            for (const Profile &p : std::as_const(m_profiles)) {
                if (p.supply == Supply::Transfer && !options.warehouses.contains(QLatin1String(p.source)))
                    throw db::DbError(QStringLiteral("warehouse %1 draws from %2, which takes no part")
                                          .arg(QLatin1String(p.strg), QLatin1String(p.source)));
            }
        }
    }

    HistoryCounts run();

private:
    double uniform(double low, double high) { return low + (high - low) * m_rng.generateDouble(); }
    bool chance(double p) { return m_rng.generateDouble() < p; }
    int pick(int count) { return int(m_rng.bounded(quint32(count))); }

    void addScaledMasterData();
    void loadItems();
    void buildStores();
    void openingStock(const QDate &day);
    void receiveDeliveries(const QDate &day);
    void purchase(const QDate &day);
    void transfers(const QDate &day);
    void issues(const QDate &day);
    void occasionalDocuments(const QDate &day);
    void counts(const QDate &day);
    QString itemOnHand(const Store &store, double atLeast);

    bool issuesOn(const Store &store, const QDate &day) const;
    bool purchasesOn(const Store &store, const QDate &day) const;
    double priceOn(const Item &item, const QDate &day) const;
    Store *store(const QString &strg);
    template <typename Line>
    QVector<QVector<Line>> chunks(const QVector<Line> &lines, int size) const;

    db::Connection &m_conn;
    HistoryOptions m_options;
    DocumentWriter m_docs;
    QRandomGenerator m_rng;
    QList<Profile> m_profiles;
    QHash<QString, Item> m_items;
    QStringList m_itemCodes;              // in code order, for a stable sampling
    QList<Store> m_stores;
    QHash<QString, QString> m_scaledCodes;   // base code + copy number -> the copy's code
    QMap<QDate, QVector<Delivery>> m_deliveries;
    HistoryCounts m_counts;
};

Store *History::store(const QString &strg)
{
    for (Store &s : m_stores)
        if (s.strg == strg)
            return &s;
    return nullptr;
}

template <typename Line>
QVector<QVector<Line>> History::chunks(const QVector<Line> &lines, int size) const
{
    QVector<QVector<Line>> parts;
    for (int i = 0; i < lines.size(); i += size)
        parts.append(lines.mid(i, size));
    return parts;
}

// Copies of the outlets and stores and of the items, so that a scaled
// history keeps the shape of the demo resort with more of everything.
void History::addScaledMasterData()
{
    const int copies = m_options.scale - 1;
    if (copies <= 0)
        return;
    QStringList baseItems;
    {
        db::Query q(m_conn, QStringLiteral("SELECT ITEM_CODE FROM OX010MS ORDER BY ITEM_CODE"));
        q.exec();
        while (q.next())
            baseItems << q.text(0);
    }
    const QString insertItem = QStringLiteral(
        "INSERT INTO OX010MS (ITEM_CODE, %1, U_EMP_NO, U_DATE, U_IP) "
        "SELECT :NEW_CODE, %2, :U_EMP_NO, SYSDATE(), :U_IP FROM OX010MS WHERE ITEM_CODE = :ITEM_CODE")
        .arg(QLatin1String(kItemColumns), QString::fromLatin1(kItemColumns).replace(
             QLatin1String("ITEM_NAME,"), QLatin1String("ITEM_NAME || :SUFFIX,")));
    const QString insertStore = QStringLiteral(
        "INSERT INTO OX060MS (STRG_CODE, STRG_NAME, DEPT_CODE, PARENT_CODE, BUSI_GUBUN, UPJANG_CODE, USE_YN, "
        "  U_EMP_NO, U_DATE, U_IP) "
        "SELECT :NEW_CODE, STRG_NAME || :SUFFIX, DEPT_CODE, PARENT_CODE, BUSI_GUBUN, UPJANG_CODE, USE_YN, "
        "  :U_EMP_NO, SYSDATE(), :U_IP FROM OX060MS WHERE STRG_CODE = :STRG_CODE");
    const QList<Profile> base = m_profiles;
    for (int copy = 1; copy <= copies; ++copy) {
        const QString suffix = QStringLiteral(" %1").arg(copy + 1);
        for (const QString &code : std::as_const(baseItems)) {
            const int serial = code.mid(5).toInt() + 100 * copy;
            db::Query(m_conn, insertItem)
                .bind(QStringLiteral("NEW_CODE"), code.left(5) + QStringLiteral("%1").arg(serial, 3, 10, QLatin1Char('0')))
                .bind(QStringLiteral("SUFFIX"), suffix).bind(QStringLiteral("ITEM_CODE"), code)
                .bind(QStringLiteral("U_EMP_NO"), gEmpNo).bind(QStringLiteral("U_IP"), gLocalIP).exec();
        }
        // Copy codes: a letter per copy and the profile's position.
        auto copyCode = [copy](int index) -> QString {
            return QChar(u'A' + copy - 1) + QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0'));
        };
        for (int index = 0; index < base.size(); ++index) {
            const Profile &profile = base.at(index);
            db::Query(m_conn, insertStore)
                .bind(QStringLiteral("NEW_CODE"), copyCode(index))
                .bind(QStringLiteral("SUFFIX"), QStringLiteral(" %1호점").arg(copy + 1))
                .bind(QStringLiteral("STRG_CODE"), QString::fromLatin1(profile.strg))
                .bind(QStringLiteral("U_EMP_NO"), gEmpNo).bind(QStringLiteral("U_IP"), gLocalIP).exec();
            m_scaledCodes.insert(QString::fromLatin1(profile.strg) + QString::number(copy), copyCode(index));
        }
    }
    m_counts[QStringLiteral("OX010MS")] += copies * int(baseItems.size());
    m_counts[QStringLiteral("OX060MS")] += copies * int(base.size());
}

void History::loadItems()
{
    db::Query q(m_conn, QStringLiteral(
        "SELECT ITEM_CODE, ITEM_STANDARD1, DIVIDE_CODE, C_CODE, TAX_GUBUN, CHANGE_QTY, COST_AMT, LEAD_TIME "
        "FROM OX010MS WHERE USE_YN = 'Y' AND C_CODE IS NOT NULL AND COST_AMT > 0 ORDER BY ITEM_CODE"));
    q.exec();
    while (q.next()) {
        Item item;
        item.code = q.text(QStringLiteral("ITEM_CODE"));
        item.standard = q.text(QStringLiteral("ITEM_STANDARD1"));
        item.divide = q.text(QStringLiteral("DIVIDE_CODE"));
        item.cCode = q.text(QStringLiteral("C_CODE"));
        item.taxGubun = q.text(QStringLiteral("TAX_GUBUN")) == QLatin1String("2") ? QStringLiteral("2") : QStringLiteral("1");
        item.changeQty = std::max(1.0, q.number(QStringLiteral("CHANGE_QTY")));
        item.cost = q.number(QStringLiteral("COST_AMT"));
        item.leadTime = std::clamp(int(q.number(QStringLiteral("LEAD_TIME"))), 1, 3);
        m_items.insert(item.code, item);
        m_itemCodes << item.code;
    }
}

void History::buildStores()
{
    for (int copy = 0; copy < m_options.scale; ++copy) {
        auto codeOf = [&](const char *base) {
            const QString code = QString::fromLatin1(base);
            return copy == 0 || code.isEmpty() ? code : m_scaledCodes.value(code + QString::number(copy));
        };
        for (const Profile &profile : std::as_const(m_profiles)) {
            Store s;
            s.strg = codeOf(profile.strg);
            s.profile = &profile;
            s.source = codeOf(profile.source);
            s.deptCode = db::Query::scalar(m_conn, QStringLiteral("SELECT DEPT_CODE FROM OX060MS WHERE STRG_CODE = :STRG_CODE"),
                                           {{QStringLiteral("STRG_CODE"), s.strg}});
            QStringList candidates;
            if (profile.supply == Supply::Transfer) {
                if (const Store *source = store(s.source))
                    candidates = source->items;
            } else {
                candidates = m_itemCodes;
            }
            candidates.erase(std::remove_if(candidates.begin(), candidates.end(), [&](const QString &code) {
                                 const QString divide = m_items.value(code).divide;
                                 return std::none_of(profile.classes.cbegin(), profile.classes.cend(),
                                                     [&](const QString &c) { return divide.startsWith(c); });
                             }), candidates.end());
            // A stable sample of the candidates.
            for (int i = int(candidates.size()) - 1; i > 0; --i)
                candidates.swapItemsAt(i, pick(i + 1));
            s.items = candidates.mid(0, profile.assortment * m_options.scale);
            std::sort(s.items.begin(), s.items.end());
            for (const QString &code : std::as_const(s.items)) {
                const double perDay = profile.demand * 1500.0 / std::sqrt(std::max(m_items.value(code).unitCost(), 50.0));
                s.rate.insert(code, std::clamp(perDay * uniform(0.5, 1.5), 0.2, 40.0));
            }
            s.supplyRate = s.rate;
            m_stores.append(s);
            if (profile.supply == Supply::Transfer) {
                Store *source = store(s.source);
                for (const QString &code : std::as_const(s.items))
                    source->supplyRate[code] += s.rate.value(code);
            }
        }
    }
}

// The opening stock of every warehouse, some days' use of each item, at the
// list price, built in one run as the opening-stock screen's batch does.
void History::openingStock(const QDate &day)
{
    ActingAs clerk(kWarehouse);
    for (Store &s : m_stores) {
        QVector<OpeningLine> lines;
        for (const QString &code : std::as_const(s.items)) {
            const double qty = std::ceil(s.supplyRate.value(code) * uniform(4.0, 10.0));
            s.stock[code] = qty;
            lines.append({code, qty, m_items.value(code).unitCost()});
        }
        m_docs.writeOpeningStock(dateText(day), s.strg, lines);
        m_counts[QStringLiteral("OZ020MS")] += int(lines.size());
    }
    m_docs.postOpeningStock(dateText(day));
}

bool History::issuesOn(const Store &store, const QDate &day) const
{
    switch (store.profile->rhythm) {
    case Rhythm::Daily:
        return true;
    case Rhythm::Weekdays:
        return day.dayOfWeek() <= 5;
    case Rhythm::TwiceAWeek:
        return day.dayOfWeek() == 2 || day.dayOfWeek() == 4;
    }
    return false;
}

// Fresh goods are bought on Monday, Wednesday and Friday, the rest on Tuesday.
bool History::purchasesOn(const Store &store, const QDate &day) const
{
    const bool fresh = store.profile->classes.first().startsWith(QLatin1Char('L'))
        || store.profile->classes.first().startsWith(QLatin1Char('B'));
    return fresh ? (day.dayOfWeek() == 1 || day.dayOfWeek() == 3 || day.dayOfWeek() == 5) : day.dayOfWeek() == 2;
}

// Prices move a few percent over the year, each item in its own season, so
// that the monthly average cost differs from the list price.
double History::priceOn(const Item &item, const QDate &day) const
{
    int phase = 0;
    for (const QChar c : item.code)
        phase = (phase * 31 + c.unicode()) % 12;
    const double swing = 0.04 * std::sin(2.0 * std::numbers::pi * double(day.month() + phase) / 12.0);
    return std::round(item.cost * (1.0 + swing));
}

void History::receiveDeliveries(const QDate &day)
{
    const QVector<Delivery> due = m_deliveries.take(day);
    ActingAs clerk(kWarehouse);
    for (const Delivery &delivery : due) {
        const QString inspNo = m_docs.writeReceipt(dateText(day), delivery.cCode, delivery.strg, kWarehouse,
                                                   kWitnesses.at(pick(int(kWitnesses.size()))), delivery.lines);
        m_docs.confirmReceipt(inspNo, dateText(day), kWarehouse);
        Store *s = store(delivery.strg);
        for (const ReceiptLine &line : delivery.lines) {
            const double qty = line.ordeQty * line.changeQty;
            s->stock[line.itemCode] += qty;
            s->onOrder[line.itemCode] -= qty;
        }
        m_counts[QStringLiteral("OC010MS")] += 1;
        m_counts[QStringLiteral("OC010DT")] += int(delivery.lines.size());
    }
}

// Requests for what runs short, approved the same day and ordered from each
// item's supplier; the goods arrive after the item's lead time. Requests of
// the last day stay unapproved, and orders due after it stay open.
void History::purchase(const QDate &day)
{
    const QDate lastDay = m_options.firstMonth.addMonths(m_options.months).addDays(-1);
    const bool approve = day < lastDay;
    for (Store &s : m_stores) {
        if (s.profile->supply != Supply::Purchase || !purchasesOn(s, day))
            continue;
        // A supplier is called when one of its items runs short; then
        // whatever else of that supplier runs low comes along.
        auto position = [&](const QString &code) { return s.stock.value(code) + s.onOrder.value(code); };
        QSet<QString> suppliers;
        for (const QString &code : std::as_const(s.items)) {
            if (position(code) < s.supplyRate.value(code) * 5.0)
                suppliers.insert(m_items.value(code).cCode);
        }
        QVector<requests::RequestLine> wanted;
        for (const QString &code : std::as_const(s.items)) {
            const Item &item = m_items[code];
            const double rate = s.supplyRate.value(code);
            if (!suppliers.contains(item.cCode) || position(code) >= rate * 9.0)
                continue;
            const double units = std::max(1.0, std::ceil((rate * 16.0 - position(code)) / item.changeQty));
            const double price = priceOn(item, day);
            requests::RequestLine line;
            line.itemCode = code;
            line.qty = QString::number(units);
            line.needQty = QString::number(units);
            line.cCode = item.cCode;
            line.costAmt = QString::number(price);
            line.estiAmt = QString::number(units * price);
            line.stockQty = QString::number(s.stock.value(code));
            line.emerChk = QStringLiteral("N");
            wanted.append(line);
        }
        for (const QVector<requests::RequestLine> &lines : chunks(wanted, kLinesPerRequest)) {
            const QString requester = s.profile->issuer == &kKitchen ? kKitchen : kWarehouse;
            requests::RequestHeader header;
            {
                ActingAs clerk(requester);
                header.key = {dateText(day), s.strg, QString()};
                header.purcNo = m_docs.documentNumber(QStringLiteral("PU"), dateText(day));
                header.planDate = dateText(day.addDays(2));
                header.deptCode = s.deptCode;
                header.remark = QStringLiteral("정기 보충");
                header.key.purcNum = requests::WriteRequest(m_conn, header, lines, true);
            }
            m_counts[QStringLiteral("OA010MS")] += 1;
            m_counts[QStringLiteral("OA010DT")] += int(lines.size());
            if (!approve)
                continue;
            ActingAs buyer(kPurchasing);
            db::Query(m_conn, QStringLiteral(
                "UPDATE OA010MS SET APPR_GUBUN = '2' , APPR_EMP_NO = :APPR_EMP_NO , APPR_DATE = :APPR_DATE "
                " WHERE PURC_DATE = :PURC_DATE AND STRG_CODE = :STRG_CODE AND PURC_NUM = :PURC_NUM"))
                .bind(QStringLiteral("APPR_EMP_NO"), kPurchasing).bind(QStringLiteral("APPR_DATE"), dateText(day))
                .bind(QStringLiteral("PURC_DATE"), header.key.purcDate).bind(QStringLiteral("STRG_CODE"), s.strg)
                .bind(QStringLiteral("PURC_NUM"), header.key.purcNum).exec();

            // One order per supplier, its lines taken from the request's lines.
            QMap<QString, orders::OrderDraft> drafts;
            for (int i = 0; i < lines.size(); ++i) {
                const requests::RequestLine &line = lines.at(i);
                orders::OrderDraft &draft = drafts[line.cCode];
                orders::OrderLine orderLine;
                orderLine.purcNo = header.purcNo;
                orderLine.purcSeq = QString::number(i + 1);
                orderLine.itemCode = line.itemCode;
                orderLine.qty = line.qty.toDouble();
                orderLine.costAmt = line.costAmt.toDouble();
                orderLine.amt = orderLine.qty * orderLine.costAmt;
                draft.lines.append(orderLine);
            }
            for (auto it = drafts.begin(); it != drafts.end(); ++it) {
                orders::OrderDraft &draft = it.value();
                int lead = 1;
                for (const orders::OrderLine &line : std::as_const(draft.lines))
                    lead = std::max(lead, m_items.value(line.itemCode).leadTime);
                const QDate arrival = day.addDays(lead);
                draft.key = {dateText(day), it.key(), QString()};
                draft.ordeNo = m_docs.documentNumber(QStringLiteral("OR"), dateText(day));
                draft.putDate = dateText(arrival);
                draft.purcNo = header.purcNo;
                draft.ordeChar = QStringLiteral("한지원");
                draft.ordeTel = QStringLiteral("033-330-1300");
                draft.paymTerm = QStringLiteral("익월현금");
                draft.deliTerm = QStringLiteral("현장도착도");
                draft.document = QStringLiteral("세금계산서,거래명세표");
                draft.key.ordeNum = orders::writeOrder(m_conn, draft);
                db::Query(m_conn, QStringLiteral(
                    "UPDATE OB010MS SET APPR_GUBUN = '2' , APPR_EMP_NO = :APPR_EMP_NO , APPR_DATE = :APPR_DATE "
                    "WHERE ORDE_DATE = :ORDE_DATE AND C_CODE = :C_CODE AND ORDE_NUM = :ORDE_NUM"))
                    .bind(QStringLiteral("APPR_EMP_NO"), kPurchasing).bind(QStringLiteral("APPR_DATE"), dateText(day))
                    .bind(QStringLiteral("ORDE_DATE"), draft.key.ordeDate).bind(QStringLiteral("C_CODE"), draft.key.cCode)
                    .bind(QStringLiteral("ORDE_NUM"), draft.key.ordeNum).exec();
                m_counts[QStringLiteral("OB010MS")] += 1;
                m_counts[QStringLiteral("OB010DT")] += int(draft.lines.size());

                Delivery delivery{draft.ordeNo, draft.key.cCode, s.strg, {}};
                for (int i = 0; i < draft.lines.size(); ++i) {
                    const orders::OrderLine &line = draft.lines.at(i);
                    const Item &item = m_items[line.itemCode];
                    delivery.lines.append({line.itemCode, line.qty, item.changeQty, line.costAmt, item.taxGubun,
                                           draft.ordeNo, i + 1, QString()});
                    s.onOrder[line.itemCode] += line.qty * item.changeQty;
                }
                m_deliveries[arrival].append(delivery);
            }
        }
    }
}

// Housekeeping and maintenance draw their goods from the stores every Monday.
void History::transfers(const QDate &day)
{
    if (day.dayOfWeek() != 1)
        return;
    ActingAs clerk(kWarehouse);
    for (Store &s : m_stores) {
        if (s.profile->supply != Supply::Transfer)
            continue;
        Store *source = store(s.source);
        QVector<StockLine> lines;
        for (const QString &code : std::as_const(s.items)) {
            const double rate = s.rate.value(code);
            if (s.stock.value(code) >= rate * 4.0)
                continue;
            const double qty = std::min(std::ceil(rate * 8.0 - s.stock.value(code)), std::floor(source->stock.value(code)));
            if (qty < 1)
                continue;
            lines.append({code, qty, QString()});
            source->stock[code] -= qty;
            s.stock[code] += qty;
        }
        for (const QVector<StockLine> &part : chunks(lines, kLinesPerDocument)) {
            m_docs.writeTransfer(dateText(day), source->strg, s.strg, part);
            m_counts[QStringLiteral("OD020MS")] += 1;
            m_counts[QStringLiteral("OD020DT")] += int(part.size());
        }
    }
}

// What each warehouse uses up in a day, as confirmed issues.
void History::issues(const QDate &day)
{
    for (Store &s : m_stores) {
        if (!issuesOn(s, day))
            continue;
        QVector<StockLine> lines;
        const double days = s.profile->rhythm == Rhythm::TwiceAWeek ? 3.5 : 1.0;
        for (const QString &code : std::as_const(s.items)) {
            if (!chance(s.profile->pickRate))
                continue;
            const double wanted = std::round(s.rate.value(code) * days / s.profile->pickRate * uniform(0.5, 1.5));
            const double qty = std::min(std::max(wanted, 1.0), std::floor(s.stock.value(code)));
            if (qty < 1)
                continue;
            lines.append({code, qty, QString()});
            s.stock[code] -= qty;
        }
        ActingAs issuer(*s.profile->issuer);
        for (const QVector<StockLine> &part : chunks(lines, kLinesPerDocument)) {
            m_docs.writeIssue(dateText(day), s.strg, kNormalIssue, part);
            m_counts[QStringLiteral("OD010MS")] += 1;
            m_counts[QStringLiteral("OD010DT")] += int(part.size());
        }
    }
}

// Now and then, each warehouse in its turn every eight or nine weeks: a
// delivery goes back to its supplier, spoiled goods are thrown away (or
// goods go missing), and goods a kitchen did not use come back.
void History::occasionalDocuments(const QDate &day)
{
    constexpr int kPeriod = 60;
    const qint64 dayIndex = m_options.firstMonth.daysTo(day);
    for (int i = 0; i < m_stores.size(); ++i) {
        Store &s = m_stores[i];
        if (s.profile->supply != Supply::Purchase)
            continue;
        const qint64 phase = (dayIndex + 5 * i) % kPeriod;
        const QString code = phase == 0 || phase == 10 ? itemOnHand(s, 2.0) : QString();
        if (phase == 0 && !code.isEmpty()) {
            ActingAs clerk(kWarehouse);
            const Item &item = m_items[code];
            const double qty = std::max(1.0, std::floor(std::floor(s.stock.value(code)) * uniform(0.05, 0.15)));
            const QString gubun = chance(0.5) ? QStringLiteral("1") : QStringLiteral("2");
            m_docs.writeSupplierReturn(dateText(day), item.cCode, s.strg, kReturnReasons.at(pick(int(kReturnReasons.size()))),
                                       {{code, item.standard, qty, std::round(item.unitCost()), item.taxGubun, gubun, QString()}});
            s.stock[code] -= qty;
            m_counts[QStringLiteral("OD030MS")] += 1;
            m_counts[QStringLiteral("OD030DT")] += 1;
        } else if (phase == 10 && !code.isEmpty()) {
            ActingAs clerk(kWarehouse);
            const bool loss = (dayIndex / kPeriod + i) % 3 == 2;
            const double qty = std::max(1.0, std::floor(std::floor(s.stock.value(code)) * uniform(0.05, 0.2)));
            m_docs.writeIssue(dateText(day), s.strg, loss ? kLoss : kDisposal,
                              {{code, qty, loss ? QStringLiteral("재고 분실") : QStringLiteral("유통기한 경과 폐기")}});
            s.stock[code] -= qty;
            m_counts[QStringLiteral("OD010MS")] += 1;
            m_counts[QStringLiteral("OD010DT")] += 1;
        } else if (phase == 20 && s.profile->issuer == &kKitchen && !s.items.isEmpty()) {
            ActingAs cook(kKitchen);
            const QString returned = s.items.at(pick(int(s.items.size())));
            const double qty = std::ceil(s.rate.value(returned) * uniform(0.2, 0.6));
            m_docs.writeReturnOfIssue(dateText(day), s.strg, {{returned, qty, QStringLiteral("미사용 반납")}});
            s.stock[returned] += qty;
            m_counts[QStringLiteral("OD010MS")] += 1;
            m_counts[QStringLiteral("OD010DT")] += 1;
        }
    }
}

// An item of the warehouse with at least `atLeast` in stock, looked for
// from a random place in its list; empty when there is none.
QString History::itemOnHand(const Store &store, double atLeast)
{
    if (store.items.isEmpty())
        return {};
    const int start = pick(int(store.items.size()));
    for (int k = 0; k < store.items.size(); ++k) {
        const QString &code = store.items.at((start + k) % store.items.size());
        if (store.stock.value(code) >= atLeast)
            return code;
    }
    return {};
}

// The month-end count: most items agree with the books, a few do not.
void History::counts(const QDate &day)
{
    ActingAs clerk(kWarehouse);
    for (Store &s : m_stores) {
        if (!s.profile->counted)
            continue;
        QVector<CountLine> lines;
        for (const QString &code : std::as_const(s.items)) {
            const double book = s.stock.value(code);
            if (book <= 0)
                continue;
            const double counted = chance(0.15) ? std::max(0.0, std::round(book * uniform(0.9, 1.03))) : book;
            lines.append({code, counted, book});
            s.stock[code] = counted;
        }
        if (lines.isEmpty())
            continue;
        m_docs.writeCount(dateText(day), s.strg, lines);
        m_counts[QStringLiteral("OZ020MS")] += int(lines.size());
    }
}

HistoryCounts History::run()
{
    addScaledMasterData();
    loadItems();
    buildStores();
    const QDate first = m_options.firstMonth;
    const QDate end = first.addMonths(m_options.months);
    for (QDate day = first; day < end; day = day.addDays(1)) {
        db::Transaction tx(m_conn);
        if (day == first)
            openingStock(day);
        receiveDeliveries(day);
        purchase(day);
        transfers(day);
        issues(day);
        occasionalDocuments(day);
        const bool monthEnd = day.addDays(1).day() == 1;
        if (monthEnd)
            counts(day);
        {
            ActingAs clerk(kWarehouse);
            m_docs.closeDay(dateText(day));
        }
        if (monthEnd) {
            ActingAs administrator(kAdministrator);
            m_docs.closeMonth(day.toString(QStringLiteral("yyyyMM")), kAdministrator);
        }
        tx.commit();
        if (m_options.dayDone)
            m_options.dayDone(day);
    }
    return m_counts;
}

} // namespace

HistoryOptions yearBefore(const QDate &today)
{
    HistoryOptions options;
    options.firstMonth = QDate(today.year(), today.month(), 1).addMonths(-12);
    return options;
}

HistoryCounts generateHistory(db::Connection &conn, const HistoryOptions &options)
{
    if (options.scale < 1 || options.scale > kMaxScale)
        throw db::DbError(QStringLiteral("scale %1 outside 1..%2").arg(options.scale).arg(kMaxScale));
    if (!options.firstMonth.isValid() || options.firstMonth.day() != 1 || options.months < 1)
        throw db::DbError(QStringLiteral("the history must start on the first day of a month"));
    return History(conn, options).run();
}

} // namespace demo
