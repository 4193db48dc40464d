#pragma once
// Heads (code groups) of the common code table ZX010MS. Each head has one
// row with a blank DETAIL that names the group and that lists never show
// ("DETAIL <> ' '"); lookups offer the rows with ITEM1 = 'Y'.

#include <QString>

inline const QString kHeadUnit = QStringLiteral("Z0025");           // units of measure: GUMAE_UNIT, SOOBUL_UNIT
inline const QString kHeadCountry = QStringLiteral("Z0001");        // countries of origin: ORG_NATION
inline const QString kHeadItemType = QStringLiteral("O0001");       // item types: ITEM_TYPE
inline const QString kHeadBusiness = QStringLiteral("O0002");       // business divisions: BUSI_GUBUN of warehouses
inline const QString kHeadInspState = QStringLiteral("O0003");      // inspection states: INSP_STAT
inline const QString kHeadFacilityPart = QStringLiteral("O0004");   // facility parts: FACI_PART
inline const QString kHeadRegion = QStringLiteral("ZV001");         // supplier regions: VA050MS.LOCAL_INIT
inline const QString kHeadDbAccount = QStringLiteral("Z9999");      // database user (upper case) -> caption name
// The site's own texts on the order forms.
inline const QString kHeadOrderingCompany = QStringLiteral("O0010");   // 01 name, 02 address, 03 representative,
                                                                        // 04 registration no., 05 business type, 06 items
inline const QString kHeadContractClauses = QStringLiteral("O0011");   // contract order clauses, one a code, in order

// The condition every purchasing and stock screen puts on its warehouse
// lookups: only warehouses of the divisions marked ITEM2 = 'Y' under 'O0002'.
// (ITEM1 = 'Y' marks the divisions the warehouse register offers.)
inline const QString kWarehouseDivisionFilter = QStringLiteral(
    "BUSI_GUBUN IN (SELECT DETAIL FROM ZX010MS WHERE HEAD = 'O0002' AND DETAIL <> ' ' AND ITEM2 = 'Y')");
