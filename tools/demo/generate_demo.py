#!/usr/bin/env python3
"""Writes the demo data set of 온비리조트 (VEMO RESORT) into data/demo/.

One UTF-8 CSV file per table, named <TABLE>.csv: a heading row of column
names, comma separated, double-quote quoting, "\\n" line ends, an empty field
is NULL. Audit columns are left out. The output depends on nothing but this
file: the random generator has a fixed seed and every list is in fixed order,
so running it twice gives identical files.

    python3 tools/demo/generate_demo.py [OUTPUT_DIR]

Demo employees (project PURCHASING; levels of ZA130MS / ZA140MS):

    A0000001 관리자   level 00 (시스템관리자): every program
    P0000001 한지원   level 10 (구매): master data, requests, orders, reports
    W0000001 정민호   level 20 (자재창고): receiving, issues, stock, closing of the day
    K0000001 이수진   level 30 (주방): OAI010, ODI010, stock reports, recipes
    M0000001 윤성호   level 40 (시설): work requests, facilities, material stock

Employees the tests rely on:

    T0000001 시험구매  level 10, which grants OAI010 and OAI020; a ZA150MS 'N'
                       row takes OAI020 away again.
    T0000002 시험추가  no ZA130MS row at all; one ZA150MS 'Y' row adds OXI010.
    T0000003 시험주방  level 30 (kitchen) plus a ZA150MS 'Y' row adding OBI010.

Database accounts of head 'Z9999': VMUSER → "데모", PURCHASING_TEST → "테스트".

The document tables (requests, orders, receipts, issues, stock, closings)
are left empty. To add documents, write a function that returns a Table and
append it to the list in tables().
"""

import os
import random
import sys
from collections import OrderedDict

PROJECT_ID = "PURCHASING"
SEED = 20240315

rng = random.Random(SEED)


class Table:
    def __init__(self, name, columns, rows):
        self.name = name
        self.columns = list(columns)
        self.rows = [list(r) for r in rows]
        for r in self.rows:
            if len(r) != len(self.columns):
                raise ValueError("%s: row %r does not match %r" % (name, r, self.columns))


# ------------------------------------------------------------------ helpers

CHOSEONG = "ㄱㄲㄴㄷㄸㄹㅁㅂㅃㅅㅆㅇㅈㅉㅊㅋㅌㅍㅎ"


def search_index(name, limit=20):
    """Initial consonants of the Hangul syllables plus letters and digits:
    the form users type into the index box (한우 등심 → ㅎㅇㄷㅅ)."""
    out = []
    for ch in name.split("(")[0]:
        code = ord(ch)
        if 0xAC00 <= code <= 0xD7A3:
            out.append(CHOSEONG[(code - 0xAC00) // 588])
        elif ch.isascii() and ch.isalnum():
            out.append(ch.upper())
    return "".join(out)[:limit]


def short_name(name, limit=20):
    """Abbreviation: the name without the bracketed remark and blanks."""
    base = name.split("(")[0].strip() or name
    return base.replace(" ", "")[:limit]


def person_name():
    surnames = "김이박최정강조윤장임한오서신권황안송류전홍고문양손배백허유남심노하곽성차주우구민진나지엄채원천방공현함변염여추도소석선설마길연위표명기반왕금옥육인맹제모탁국어은편용"
    syllables = ("민서준지현우수영진호성훈정윤하은재동상경미혜연주희태석철용규원"
                 "혁광명선숙자순옥화남길아린채유빈도건시율예나다온보람슬")
    return rng.choice(surnames[:40]) + rng.choice(syllables) + rng.choice(syllables)


def business_number():
    return "%03d-%02d-%05d" % (rng.randint(101, 899), rng.randint(10, 99), rng.randint(1, 99999))


def phone(area):
    exchange = rng.randint(200, 899) if len(area) == 3 else rng.randint(2000, 9999)
    number = rng.randint(1000, 9989)
    return "%s-%d-%04d" % (area, exchange, number), "%s-%d-%04d" % (area, exchange, number + 9)


def fmt(value):
    if value is None:
        return ""
    if isinstance(value, bool):
        raise TypeError("flags are written as 'Y'/'N'")
    if isinstance(value, int):
        return str(value)
    if isinstance(value, float):
        text = ("%.5f" % value).rstrip("0").rstrip(".")
        return text if text not in ("", "-0") else "0"
    return str(value)


def csv_field(text):
    # A lone blank (the head row of a common code) is quoted so that no reader
    # mistakes it for an empty field.
    if any(c in text for c in ',"\r\n') or (text and text.strip() == ""):
        return '"' + text.replace('"', '""') + '"'
    return text


def write_table(directory, table):
    path = os.path.join(directory, table.name + ".csv")
    lines = [",".join(table.columns)]
    for row in table.rows:
        lines.append(",".join(csv_field(fmt(v)) for v in row))
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write("\n".join(lines) + "\n")
    return path


# ------------------------------------------------------------------ common codes
# head → (name of the head row, [(DETAIL, DETAIL_NAME, ITEM1, ITEM2)])

UNITS = [  # 'Z0025', codes of two characters
    ("BG", "봉", "Y", None), ("BN", "단", "Y", None), ("BT", "병", "Y", None),
    ("BX", "BOX", "Y", None), ("CN", "캔", "Y", None), ("DZ", "DZ", "Y", None),
    ("EA", "EA", "Y", None), ("GL", "갤런", "N", None), ("GR", "g", "Y", None),
    ("HD", "마리", "Y", None), ("KG", "KG", "Y", None), ("LT", "L", "Y", None),
    ("MG", "망", "Y", None), ("ML", "ml", "Y", None), ("MT", "M", "Y", None),
    ("PK", "PK", "Y", None), ("PR", "켤레", "Y", None), ("RL", "롤", "Y", None),
    ("SH", "매", "Y", None), ("SK", "포", "Y", None), ("ST", "SET", "Y", None),
    ("TG", "통", "Y", None), ("TR", "판", "Y", None),
]

NATIONS = [  # 'Z0001'
    ("AU", "호주"), ("BE", "벨기에"), ("BR", "브라질"), ("CA", "캐나다"), ("CL", "칠레"),
    ("CN", "중국"), ("CO", "콜롬비아"), ("DE", "독일"), ("ES", "스페인"), ("ET", "에티오피아"),
    ("FR", "프랑스"), ("GB", "영국"), ("IE", "아일랜드"), ("IT", "이탈리아"), ("JM", "자메이카"),
    ("JP", "일본"), ("KR", "국산"), ("MX", "멕시코"), ("NO", "노르웨이"), ("NZ", "뉴질랜드"),
    ("PH", "필리핀"), ("PL", "폴란드"), ("TH", "태국"), ("US", "미국"), ("VN", "베트남"),
]

ITEM_TYPES = [  # 'O0001'; the consumables reports take 01 and 03, construction 07
    ("01", "일반소모품"), ("02", "식자재"), ("03", "객실소모품"), ("04", "음료·주류"),
    ("05", "비품·공구"), ("06", "시설부품"), ("07", "공사·수선자재"), ("08", "판매상품"),
]

# 'O0002' business divisions of warehouses. ITEM1: offered when a warehouse is
# registered; ITEM2: its warehouses appear in the purchasing and stock lookups.
# 03 marks outlets whose deliveries are issued on receipt; 99 the grouping nodes.
DIVISIONS = [
    ("01", "자재창고", "Y", "Y"),
    ("02", "부서창고", "Y", "Y"),
    ("03", "영업장", "Y", "Y"),
    ("04", "시설창고", "Y", "Y"),
    ("05", "공사현장", "Y", None),
    ("06", "임대매장", None, None),
    ("99", "사업부", "Y", None),
]

INSPECTION_STATES = [  # 'O0003'
    ("01", "정상"), ("02", "수량부족"), ("03", "품질불량"), ("04", "규격상이"),
    ("05", "파손"), ("06", "반품"),
]

FACILITY_PARTS = [  # 'O0004', two characters
    ("01", "전기"), ("02", "기계"), ("03", "건축"), ("04", "통신"), ("05", "소방"),
    ("06", "조경"), ("07", "승강기"), ("08", "공조·냉난방"), ("09", "급배수·위생"),
    ("10", "주방설비"), ("11", "레저설비"),
]

REGIONS = [  # 'ZV001' → telephone area code
    ("01", "서울", "02"), ("02", "경기", "031"), ("03", "인천", "032"), ("04", "강원", "033"),
    ("05", "충청", "043"), ("06", "전라", "063"), ("07", "경상", "054"), ("08", "부산", "051"),
    ("09", "제주", "064"),
]

DB_ACCOUNTS = [("VMUSER", "데모"), ("PURCHASING_TEST", "테스트")]  # 'Z9999'

# 'O0010' the ordering company printed on the order forms: 01 name, 02 address,
# 03 representative, 04 business registration number, 05 business type, 06 items.
ORDERING_COMPANY = [
    ("01", "(주)온비리조트"),
    ("02", "강원특별자치도 평창군 대관령면 솔봉로 25"),
    ("03", "김 온 비"),
    ("04", "225-81-07341"),
    ("05", "서비스"),
    ("06", "숙박, 골프장, 스키장 운영"),
]

# 'O0011' the clauses of the contract order, one per code, printed in code order.
CONTRACT_CLAUSES = [
    ("01", "제1조 (계약목적물) 공급자는 위 품목을 위 수량과 단가로 발주자에게 공급한다."),
    ("02", "제2조 (납기 및 인도) 공급자는 납기까지 인도조건에 따라 입고창고에 인도하고, 입고 전 검수담당자에게 연락한다."),
    ("03", "제3조 (검수) 발주자는 인도된 물품을 검수하며, 불합격품은 공급자가 즉시 교환한다."),
    ("04", "제4조 (대금지급) 대금은 검수 완료 후 구비서류를 받아 지불조건에 따라 지급한다."),
    ("05", "제5조 (하자보증) 공급자는 하자조건의 기간 동안 물품의 하자를 무상으로 보수 또는 교환한다."),
    ("06", "제6조 (지체상금) 공급자가 납기를 지키지 못한 때에는 지체일수마다 계약금액의 1.5/1000을 지체상금으로 낸다."),
]


def common_codes():
    heads = OrderedDict()
    heads["O0001"] = ("품목분류", [(c, n, "Y", None) for c, n in ITEM_TYPES])
    heads["O0002"] = ("창고구분", DIVISIONS)
    heads["O0003"] = ("검수상태", [(c, n, "Y", None) for c, n in INSPECTION_STATES])
    heads["O0004"] = ("시설파트", [(c, n, "Y", None) for c, n in FACILITY_PARTS])
    heads["O0010"] = ("발주자 정보", [(c, n, None, None) for c, n in ORDERING_COMPANY])
    heads["O0011"] = ("계약 조항", [(c, n, None, None) for c, n in CONTRACT_CLAUSES])
    heads["Z0001"] = ("원산지(국가)", [(c, n, "Y", None) for c, n in NATIONS])
    heads["Z0025"] = ("단위", UNITS)
    heads["Z9999"] = ("DB 계정", [(c, n, "Y", None) for c, n in DB_ACCOUNTS])
    heads["ZV001"] = ("지역", [(c, n, "Y", None) for c, n, _ in REGIONS])
    rows = []
    for head, (title, details) in heads.items():
        rows.append((head, " ", title, None, None))
        for detail, name, item1, item2 in details:
            rows.append((head, detail, name, item1, item2))
    return Table("ZX010MS", ["HEAD", "DETAIL", "DETAIL_NAME", "ITEM1", "ITEM2"], rows)


# ------------------------------------------------------------------ organisation
# (code, name, USE_YN, DEPT_AFF_YN, DEPT_TYPE): type 1 division, 2 team, 3 part.
# Divisions are only groupings (DEPT_AFF_YN 'Y'), so the work request screens
# leave them out.

DEPARTMENTS = [
    ("1000", "경영지원본부", "Y", "Y", "1"),
    ("1100", "총무팀", "Y", "N", "2"),
    ("1200", "구매팀", "Y", "N", "2"),
    ("1300", "자재팀", "Y", "N", "2"),
    ("1400", "재경팀", "Y", "N", "2"),
    ("1500", "전산팀", "Y", "N", "2"),
    ("2000", "호텔사업본부", "Y", "Y", "1"),
    ("2100", "객실팀", "Y", "N", "2"),
    ("2200", "식음료팀", "Y", "N", "2"),
    ("2210", "로비라운지", "Y", "N", "3"),
    ("2220", "스카이바", "Y", "N", "3"),
    ("2300", "조리팀", "Y", "N", "2"),
    ("2310", "한식당", "Y", "N", "3"),
    ("2320", "양식당", "Y", "N", "3"),
    ("2330", "일식당", "Y", "N", "3"),
    ("2340", "뷔페", "Y", "N", "3"),
    ("2350", "중식당", "N", "N", "3"),
    ("3000", "콘도사업본부", "Y", "Y", "1"),
    ("3100", "콘도운영팀", "Y", "N", "2"),
    ("3200", "콘도영업팀", "Y", "N", "2"),
    ("3210", "편의점", "Y", "N", "3"),
    ("3220", "기념품점", "Y", "N", "3"),
    ("4000", "골프사업본부", "Y", "Y", "1"),
    ("4100", "골프운영팀", "Y", "N", "2"),
    ("4200", "코스관리팀", "Y", "N", "2"),
    ("5000", "스키사업본부", "Y", "Y", "1"),
    ("5100", "스키운영팀", "Y", "N", "2"),
    ("5200", "슬로프관리팀", "Y", "N", "2"),
    ("6000", "시설관리본부", "Y", "Y", "1"),
    ("6100", "시설팀", "Y", "N", "2"),
    ("6110", "전기파트", "Y", "N", "3"),
    ("6120", "기계파트", "Y", "N", "3"),
    ("6130", "건축파트", "Y", "N", "3"),
]

# EMP_STAY_CODE: '01' employed, '02' retired (left out of the requester lists)
EMPLOYEES = [
    ("A0000001", "관리자", "01"),
    ("K0000001", "이수진", "01"),   # 한식당 주방 사무
    ("M0000001", "윤성호", "01"),   # 시설팀
    ("P0000001", "한지원", "01"),   # 구매팀
    ("T0000001", "시험구매", "01"),
    ("T0000002", "시험추가", "01"),
    ("T0000003", "시험주방", "01"),
    ("W0000001", "정민호", "01"),   # 자재팀 창고
    ("19980003", "김정호", "01"),   # 자재팀장
    ("19990021", "최동혁", "01"),   # 총주방장
    ("20010011", "박영숙", "01"),   # 구매팀장
    ("20020015", "조현우", "01"),   # 시설팀장
    ("20030007", "강은비", "01"),   # 식음료팀장
    ("20050002", "임수빈", "01"),   # 콘도운영팀장
    ("20060014", "문지현", "02"),   # 퇴직
    ("20100031", "송재원", "01"),   # 전기파트
    ("20110044", "유하늘", "01"),   # 기계파트
    ("20150008", "배준서", "01"),   # 양식당
    ("20160019", "신예은", "01"),   # 일식당
    ("20170023", "권도윤", "01"),   # 뷔페
    ("20180005", "황보라", "01"),   # 객실팀
    ("20190012", "장태현", "01"),   # 코스관리팀
    ("20200027", "노윤아", "01"),   # 슬로프관리팀
    ("20210003", "하승민", "01"),   # 편의점
]

# (code, name, MIS_UPJANG_GUBUN1, MIS_UPJANG_GUBUN2): 10 rooms, 20 F&B and
# shops (the outlets a warehouse can belong to), 30 leisure.
OUTLETS = [
    ("1010", "호텔 객실", "10", "11"),
    ("1020", "콘도 객실", "10", "12"),
    ("2010", "한식당 온비", "20", "21"),
    ("2020", "양식당 라포레", "20", "21"),
    ("2030", "일식당 하나", "20", "21"),
    ("2040", "뷔페 그랜드테이블", "20", "21"),
    ("2050", "로비라운지", "20", "22"),
    ("2060", "스카이바", "20", "22"),
    ("2070", "골프 클럽하우스 레스토랑", "20", "23"),
    ("2080", "스키하우스 푸드코트", "20", "23"),
    ("2110", "콘도 편의점", "20", "24"),
    ("2120", "기념품점", "20", "24"),
    ("3010", "골프장", "30", "31"),
    ("3020", "스키장", "30", "32"),
    ("3030", "사우나·피트니스", "30", "33"),
]

ACCOUNTS = [
    ("14600", "상품"),
    ("14700", "원재료(식자재)"),
    ("14710", "원재료(음료)"),
    ("14900", "저장품"),
    ("52200", "소모품비"),
    ("52300", "수선비"),
    ("52400", "객실용품비"),
    ("52500", "도서인쇄비"),
    ("53100", "식음료원가"),
]

# (code, name, region); the last one has closed (USE_YN 'N')
SUPPLIERS = [
    ("100001", "(주)대관령축산", "04"),
    ("100002", "한우명가유통", "04"),
    ("100003", "동해수산(주)", "04"),
    ("100004", "속초활어유통", "04"),
    ("100005", "평창농산영농조합", "04"),
    ("100006", "푸른들청과", "02"),
    ("100007", "(주)한국종합식자재", "02"),
    ("100008", "강원양곡", "04"),
    ("100009", "(주)대관령유업", "04"),
    ("100010", "(주)그린푸드시스템", "01"),
    ("100011", "온누리음료(주)", "02"),
    ("100012", "(주)한빛주류", "04"),
    ("100013", "(주)와인하우스코리아", "01"),
    ("100014", "동방양주상사", "01"),
    ("100015", "설악커피로스터스", "04"),
    ("100016", "청정샘물(주)", "04"),
    ("100017", "(주)크린호텔서비스", "02"),
    ("100018", "백설린넨", "02"),
    ("100019", "(주)주방나라", "01"),
    ("100020", "한결위생산업", "02"),
    ("100021", "오피스플러스", "04"),
    ("100022", "(주)대성전기", "04"),
    ("100023", "새빛조명", "02"),
    ("100024", "(주)동아기계상사", "03"),
    ("100025", "우리배관자재", "04"),
    ("100026", "만능공구상사", "04"),
    ("100027", "강원건재(주)", "04"),
    ("100028", "평창인쇄", "04"),
    ("100029", "(주)영동상사", "04"),
]
CLOSED_SUPPLIERS = {"100029"}


def departments():
    return Table("QA160MS", ["AFF_DEPT_CODE", "AFF_DEPT_NAME", "USE_YN", "DEPT_AFF_YN", "DEPT_TYPE"],
                 DEPARTMENTS)


def employees():
    return Table("QA010MS", ["EMP_NO", "EMP_K_NAME", "EMP_STAY_CODE"], EMPLOYEES)


def outlets():
    rows = [(c, n, g1, g2, i + 1) for i, (c, n, g1, g2) in enumerate(OUTLETS)]
    return Table("JA010MS", ["UPJANG_CODE", "UPJANG_NAME", "MIS_UPJANG_GUBUN1", "MIS_UPJANG_GUBUN2",
                             "MIS_DISPLAY_SEQ"], rows)


def accounts():
    return Table("VA020MS", ["ACCT_CODE", "ACCT_NAME"], ACCOUNTS)


def suppliers():
    areas = {code: area for code, _, area in REGIONS}
    rows = []
    for code, name, region in SUPPLIERS:
        rep, fax = phone(areas[region])
        rows.append((code, name, business_number(), person_name(), rep, fax, region,
                     "N" if code in CLOSED_SUPPLIERS else "Y"))
    return Table("VA050MS", ["C_CODE", "C_NAME", "C_NUM", "BOSS_NAME", "REP_PHONE", "FAX_NO",
                             "LOCAL_INIT", "USE_YN"], rows)


# ------------------------------------------------------------------ item classes and items
# Level-1 classes; 'L' is the food class the outlet screens look for.
# Each minor class: code, name and its defaults
#   tax ('1' taxable, '2' tax-free), item type, account, usual supplier,
#   lead time, purchase type ('1' regular, '2' keep the norm), 규격2, 소모성 비품
# followed by its items, one per line:
#   name | 규격 | purchase unit | stock unit | stock units per purchase unit | price | origin [| flags]
# flags: N discontinued, P produced in house, X not stock-managed, T1/T2 tax override.

CLASS_TREE = [
    ("L", "식자재", [
        ("L10", "육류", [
            ("L1010", "소고기", dict(tax="2", type="02", acct="14700", sup="100002", lead=2, pru="1", std2="냉장"), """
                한우 등심 1+|1kg/팩|KG|KG|1|98000|KR
                한우 안심 1+|1kg/팩|KG|KG|1|115000|KR
                한우 채끝|1kg/팩|KG|KG|1|92000|KR
                한우 양지(국거리)|1kg/팩|KG|KG|1|52000|KR
                한우 사태|1kg/팩|KG|KG|1|45000|KR
                한우 갈비(찜용)|2kg/팩|KG|KG|1|68000|KR
                호주산 척아이롤|냉장 5kg 내외|KG|KG|1|24000|AU
                미국산 부채살|냉동 3kg 내외|KG|KG|1|28000|US
                호주산 우둔(다짐육용)|1kg/팩|KG|KG|1|19000|AU
                미국산 LA갈비|냉동 2kg/팩|KG|KG|1|32000|US
            """),
            ("L1020", "돼지고기", dict(tax="2", type="02", acct="14700", sup="100001", lead=2, pru="1", std2="냉장"), """
                국내산 삼겹살|1kg/팩|KG|KG|1|26000|KR
                국내산 목살|1kg/팩|KG|KG|1|24000|KR
                국내산 앞다리(불고기용)|1kg/팩|KG|KG|1|14000|KR
                국내산 등갈비|1kg/팩|KG|KG|1|18000|KR
                국내산 안심(돈가스용)|1kg/팩|KG|KG|1|16000|KR
                국내산 항정살|500g/팩|PK|PK|1|17000|KR
                이베리코 목살|냉동 1kg|KG|KG|1|38000|ES
                돼지족발(생족)|1EA 약 1.2kg|EA|EA|1|9000|KR
            """),
            ("L1030", "닭고기·오리", dict(tax="2", type="02", acct="14700", sup="100001", lead=2, pru="1", std2="냉장"), """
                생닭 10호|950~1,050g|HD|HD|1|5500|KR
                닭가슴살|2kg/팩|PK|KG|2|17000|KR
                닭다리살(정육)|2kg/팩|PK|KG|2|21000|KR
                닭날개(윙)|1kg/팩|KG|KG|1|9500|KR
                훈제오리 슬라이스|500g/팩|PK|PK|1|11000|KR|T1
                생오리(통)|2kg 내외/수|HD|HD|1|16000|KR
                삼계탕용 영계|500g 내외/수|HD|HD|1|3800|KR
            """),
        ]),
        ("L20", "수산물", [
            ("L2010", "생선", dict(tax="2", type="02", acct="14700", sup="100003", lead=1, pru="1", std2="냉장"), """
                고등어|300g 내외/미|HD|HD|1|4500|KR
                고등어 필렛|냉동 1kg|KG|KG|1|13000|NO
                갈치(제주)|대 400g 내외/미|HD|HD|1|18000|KR
                연어 필렛(생)|1.5kg 내외|KG|KG|1|39000|NO
                광어(활)|1kg 내외/미|KG|KG|1|28000|KR
                참돔(활)|1.2kg 내외|KG|KG|1|32000|KR
                대구 포|냉동 1kg|KG|KG|1|15000|US
                참치 뱃살(냉동)|1kg 블럭|KG|KG|1|78000|KR
                장어(손질)|1kg/팩|KG|KG|1|52000|KR
            """),
            ("L2020", "갑각류·패류", dict(tax="2", type="02", acct="14700", sup="100004", lead=1, pru="1", std2="냉장"), """
                흰다리새우(냉동)|31/40 1.8kg|PK|PK|1|26000|VN
                대하(활)|1kg|KG|KG|1|45000|KR
                꽃게(냉동)|1kg|KG|KG|1|22000|KR
                전복(활, 10미)|1kg|KG|KG|1|62000|KR
                홍합|2kg|KG|KG|1|5000|KR
                바지락(해감)|1kg/팩|KG|KG|1|9000|KR
                가리비(활)|1kg|KG|KG|1|14000|KR
                오징어(냉동)|1kg|KG|KG|1|16000|KR
                문어(자숙)|1kg|KG|KG|1|42000|KR
            """),
            ("L2030", "건어물·해조류", dict(tax="2", type="02", acct="14700", sup="100003", lead=3, pru="2", std2="상온"), """
                마른멸치(중멸)|1.5kg/박스|BX|BX|1|38000|KR
                건미역|1kg|KG|KG|1|19000|KR
                다시마|1kg|KG|KG|1|16000|KR
                김밥김|100매/속|PK|PK|1|12000|KR
                조미김(도시락)|4g x 72봉|BX|BG|72|24000|KR|T1
                북어채|500g|PK|PK|1|15000|KR
                건새우|500g|PK|PK|1|17000|KR
            """),
        ]),
        ("L30", "채소", [
            ("L3010", "엽채류", dict(tax="2", type="02", acct="14700", sup="100005", lead=1, pru="1", std2="냉장"), """
                양배추|1통 2kg 내외|EA|EA|1|3500|KR
                배추|3포기/망|MG|EA|3|9000|KR
                청상추|4kg/박스|BX|KG|4|24000|KR
                로메인|1kg|KG|KG|1|9000|KR
                시금치|4kg/박스|BX|KG|4|20000|KR
                깻잎|100매/단 x 10|BX|BN|10|15000|KR
                양상추|8입/박스|BX|EA|8|18000|KR
                쪽파|1kg/단|BN|BN|1|6500|KR
                대파|1kg/단|BN|BN|1|3500|KR
                부추|1kg/단|BN|BN|1|5000|KR
            """),
            ("L3020", "근채류", dict(tax="2", type="02", acct="14700", sup="100005", lead=1, pru="1", std2="상온"), """
                감자|20kg/박스|BX|KG|20|32000|KR
                양파|15kg/망|MG|KG|15|18000|KR
                당근|10kg/박스|BX|KG|10|17000|KR
                무|1개 1.5kg 내외|EA|EA|1|2000|KR
                고구마|10kg/박스|BX|KG|10|28000|KR
                깐마늘|1kg|KG|KG|1|11000|KR
                생강|1kg|KG|KG|1|9000|KR
                연근|1kg|KG|KG|1|7500|KR
            """),
            ("L3030", "버섯·기타채소", dict(tax="2", type="02", acct="14700", sup="100005", lead=1, pru="1", std2="냉장"), """
                새송이버섯|2kg/박스|BX|KG|2|9000|KR
                표고버섯(생)|1kg|KG|KG|1|16000|KR
                팽이버섯|150g x 20봉|BX|BG|20|10000|KR
                양송이버섯|2kg/박스|BX|KG|2|14000|KR
                애호박|1개|EA|EA|1|1500|KR
                백다다기 오이|50개/박스|BX|EA|50|30000|KR
                청양고추|1kg|KG|KG|1|8000|KR
                파프리카(혼합)|5kg/박스|BX|KG|5|30000|KR
                브로콜리|12입/박스|BX|EA|12|19000|KR
                방울토마토|5kg/박스|BX|KG|5|25000|KR
            """),
        ]),
        ("L40", "과일", [
            ("L4010", "국산과일", dict(tax="2", type="02", acct="14700", sup="100006", lead=2, pru="1", std2="냉장"), """
                사과(부사)|10kg/박스 40과|BX|EA|40|55000|KR
                배(신고)|7.5kg/박스 15과|BX|EA|15|48000|KR
                감귤|10kg/박스|BX|KG|10|25000|KR
                딸기(설향)|500g/팩|PK|PK|1|9000|KR
                수박|1통 8kg 내외|EA|EA|1|22000|KR
                참외|10kg/박스|BX|KG|10|45000|KR
                복숭아(백도)|4.5kg/박스|BX|BX|1|35000|KR
                샤인머스캣|2kg/박스|BX|BX|1|38000|KR
            """),
            ("L4020", "수입과일", dict(tax="2", type="02", acct="14700", sup="100006", lead=2, pru="1", std2="냉장"), """
                바나나|13kg/박스|BX|KG|13|26000|PH
                오렌지(네이블)|17kg/박스 72과|BX|EA|72|62000|US
                파인애플|1통|EA|EA|1|4500|PH
                레몬|17kg/박스 140과|BX|EA|140|68000|US
                자몽|17kg/박스 48과|BX|EA|48|58000|US
                골드키위|3.3kg/박스 30과|BX|EA|30|33000|NZ
                체리|5kg/박스|BX|KG|5|95000|US
                아보카도|22입/박스|BX|EA|22|42000|MX
                애플망고|5kg/박스|BX|BX|1|78000|TH
            """),
        ]),
        ("L50", "가공식품", [
            ("L5010", "유제품·계란", dict(tax="1", type="02", acct="14700", sup="100009", lead=2, pru="1", std2="냉장"), """
                우유|1L x 10팩|BX|EA|10|24000|KR|T2
                생크림(동물성)|1L|EA|EA|1|9500|KR
                무염 버터|450g|EA|EA|1|11000|NZ
                모짜렐라 치즈(슈레드)|2.5kg|PK|PK|1|32000|US
                체다 치즈 슬라이스|1.8kg 100매|PK|PK|1|22000|US
                플레인 요거트|1kg|EA|EA|1|6000|KR
                크림치즈|1.36kg|EA|EA|1|17500|US
                계란(특란)|30구/판|TR|EA|30|7800|KR|T2
                깐 메추리알|1kg|KG|KG|1|9000|KR|T2
            """),
            ("L5020", "냉동식품", dict(tax="1", type="02", acct="14700", sup="100010", lead=3, pru="2", std2="냉동"), """
                감자튀김(슈스트링)|2kg x 6봉|BX|BG|6|36000|US
                고기만두|1.4kg|PK|PK|1|9800|KR
                새우튀김|20미/팩|PK|PK|1|14000|VN
                등심 돈가스|150g x 10|PK|PK|1|15000|KR
                떡갈비|1kg|PK|PK|1|12500|KR
                피자도우(12인치)|10장/팩|PK|PK|1|16000|KR|N
                냉동 블루베리|1kg|PK|PK|1|8500|US
                바닐라 아이스크림|5L|TG|TG|1|28000|KR
            """),
            ("L5030", "면·제과제빵", dict(tax="1", type="02", acct="14700", sup="100007", lead=2, pru="2", std2="상온"), """
                스파게티면|5kg|PK|PK|1|16000|IT
                생칼국수면|1kg|PK|PK|1|3500|KR
                소면|3kg|PK|PK|1|7500|KR
                칡냉면|2kg 10인분|PK|PK|1|8000|KR
                냉동 우동면|230g x 5|PK|PK|1|4000|KR
                우유식빵|12장/봉|BG|BG|1|4000|KR
                모닝롤|40개/박스|BX|EA|40|16000|KR
                크루아상 생지(냉동)|60g x 50|BX|EA|50|42000|FR
                떡국떡|1kg|PK|PK|1|5000|KR
            """),
            ("L5040", "통조림·소스", dict(tax="1", type="02", acct="14700", sup="100007", lead=3, pru="2", std2="상온"), """
                홀토마토 통조림|2.55kg|CN|CN|1|6500|IT
                스위트콘 통조림|2.95kg|CN|CN|1|5500|US
                참치 통조림|1.88kg|CN|CN|1|24000|KR
                데미글라스 소스|1kg|EA|EA|1|12000|KR
                마요네즈|3.2kg|EA|EA|1|9500|KR
                토마토 케첩|3.3kg|EA|EA|1|6500|KR
                굴소스|2.2kg|EA|EA|1|12000|KR
                돈가스 소스|2.1kg|EA|EA|1|7500|KR
                수제 데미글라스(주방 생산)|1kg/팩|PK|PK|1|9000|KR|P
                스리라차 소스|482g|EA|EA|1|4500|US|N
            """),
        ]),
        ("L60", "양념", [
            ("L6010", "장류", dict(tax="1", type="02", acct="14700", sup="100007", lead=3, pru="2", std2="상온"), """
                진간장|13L|TG|TG|1|28000|KR
                국간장|1.8L|EA|EA|1|7000|KR
                고추장|14kg|TG|TG|1|62000|KR
                된장|14kg|TG|TG|1|48000|KR
                쌈장|3kg|TG|TG|1|13000|KR
                양조식초|18L|TG|TG|1|16000|KR
                불고기 양념(주방 생산)|2kg/팩|PK|PK|1|14000|KR|P
            """),
            ("L6020", "조미료·향신료", dict(tax="1", type="02", acct="14700", sup="100007", lead=3, pru="2", std2="상온"), """
                천일염|20kg|SK|SK|1|22000|KR|T2
                백설탕|15kg|SK|SK|1|26000|KR
                고춧가루(국산)|1kg|KG|KG|1|38000|KR|T2
                흑후추 분말|450g|EA|EA|1|12000|VN
                볶음 참깨|1kg|KG|KG|1|18000|KR
                물엿|5kg|TG|TG|1|9000|KR
                맛술|1.8L|EA|EA|1|6000|KR
                쇠고기 다시다|1kg|EA|EA|1|11000|KR
                건조 바질|400g|EA|EA|1|18000|US
            """),
            ("L6030", "유지류", dict(tax="1", type="02", acct="14700", sup="100007", lead=3, pru="2", std2="상온"), """
                대두유|18L|TG|TG|1|52000|KR
                엑스트라버진 올리브유|5L|TG|TG|1|65000|ES
                참기름|1.8L|EA|EA|1|32000|KR
                들기름|1.8L|EA|EA|1|38000|KR
                튀김용 쇼트닝|15kg|BX|BX|1|58000|KR
            """),
        ]),
        ("L70", "곡류", [
            ("L7010", "쌀·잡곡", dict(tax="2", type="02", acct="14700", sup="100008", lead=2, pru="2", std2="상온"), """
                쌀(오대미)|20kg|SK|KG|20|68000|KR
                찹쌀|10kg|SK|KG|10|38000|KR
                현미|10kg|SK|KG|10|32000|KR
                흑미|4kg|SK|KG|4|22000|KR
                혼합 10곡|4kg|SK|KG|4|24000|KR
            """),
            ("L7020", "밀가루·전분", dict(tax="1", type="02", acct="14700", sup="100008", lead=2, pru="2", std2="상온"), """
                중력분 밀가루|20kg|SK|SK|1|23000|KR
                강력분 밀가루|20kg|SK|SK|1|25000|KR
                튀김가루|10kg|SK|SK|1|18000|KR
                습식 빵가루|2kg|PK|PK|1|7500|KR
                감자전분|1kg|PK|PK|1|4000|KR
            """),
        ]),
    ]),
    ("B", "음료", [
        ("B10", "주류", [
            ("B1010", "맥주", dict(tax="1", type="04", acct="14710", sup="100012", lead=3, pru="2"), """
                라거 맥주(병)|500ml x 20|BX|BT|20|36000|KR
                라거 맥주(캔)|355ml x 24|BX|CN|24|38000|KR
                생맥주 케그|20L|TG|TG|1|58000|KR
                흑맥주(병)|330ml x 24|BX|BT|24|52000|IE
                밀맥주(병)|330ml x 24|BX|BT|24|64000|BE
                IPA 수제맥주(캔)|473ml x 24|BX|CN|24|86000|KR
                무알콜 맥주(캔)|355ml x 24|BX|CN|24|30000|KR
            """),
            ("B1020", "소주·전통주", dict(tax="1", type="04", acct="14710", sup="100012", lead=3, pru="2"), """
                소주(병)|360ml x 20|BX|BT|20|32000|KR
                프리미엄 소주(25도)|375ml x 12|BX|BT|12|54000|KR
                생막걸리|750ml x 20|BX|BT|20|26000|KR
                복분자주|375ml x 12|BX|BT|12|48000|KR
                청주|1.8L|BT|BT|1|14000|KR
                증류식 소주(45도)|400ml|BT|BT|1|27000|KR
            """),
            ("B1030", "와인", dict(tax="1", type="04", acct="14710", sup="100013", lead=7, pru="2"), """
                하우스 와인 레드|750ml x 12|BX|BT|12|120000|CL
                하우스 와인 화이트|750ml x 12|BX|BT|12|120000|CL
                보르도 레드|750ml|BT|BT|1|48000|FR
                부르고뉴 피노누아|750ml|BT|BT|1|72000|FR
                키안티 클라시코|750ml|BT|BT|1|39000|IT
                말보로 소비뇽 블랑|750ml|BT|BT|1|32000|NZ
                바로사 쉬라즈|750ml|BT|BT|1|29000|AU
                까바 브뤼|750ml|BT|BT|1|24000|ES
                샴페인 브뤼|750ml|BT|BT|1|98000|FR
            """),
            ("B1040", "양주", dict(tax="1", type="04", acct="14710", sup="100014", lead=7, pru="2"), """
                스카치 위스키 12년|700ml|BT|BT|1|52000|GB
                스카치 위스키 17년|700ml|BT|BT|1|145000|GB
                싱글몰트 위스키 12년|700ml|BT|BT|1|88000|GB
                버번 위스키|750ml|BT|BT|1|46000|US
                보드카|750ml|BT|BT|1|26000|PL
                드라이 진|750ml|BT|BT|1|32000|GB
                화이트 럼|750ml|BT|BT|1|28000|JM
                테킬라 블랑코|750ml|BT|BT|1|42000|MX
                코냑 VSOP|700ml|BT|BT|1|110000|FR
            """),
        ]),
        ("B20", "음료", [
            ("B2010", "탄산음료", dict(tax="1", type="04", acct="14710", sup="100011", lead=3, pru="2"), """
                콜라(캔)|250ml x 30|BX|CN|30|21000|KR
                제로 콜라(캔)|250ml x 30|BX|CN|30|21000|KR
                사이다(캔)|250ml x 30|BX|CN|30|20000|KR
                토닉워터|300ml x 24|BX|BT|24|19000|KR
                진저에일|250ml x 30|BX|CN|30|22000|KR
                플레인 탄산수|500ml x 20|BX|BT|20|16000|KR
                콜라 시럽(디스펜서용)|18.9L|TG|TG|1|98000|KR
            """),
            ("B2020", "주스", dict(tax="1", type="04", acct="14710", sup="100011", lead=3, pru="2"), """
                오렌지 주스(100%)|1.5L x 6|BX|BT|6|21000|KR
                자몽 주스|1.5L x 6|BX|BT|6|22000|KR
                사과 주스(100%)|1.5L x 6|BX|BT|6|21000|KR
                토마토 주스|1.5L x 6|BX|BT|6|20000|KR
                포도 주스|1.5L x 6|BX|BT|6|21000|KR
                미니 주스(룸서비스)|180ml x 24|BX|BT|24|18000|KR
            """),
            ("B2030", "생수", dict(tax="1", type="04", acct="14710", sup="100016", lead=2, pru="2"), """
                생수 500ml|500ml x 20|BX|BT|20|6500|KR
                생수 2L|2L x 6|BX|BT|6|5000|KR
                객실 비치용 생수|330ml x 20|BX|BT|20|6000|KR
                정수기용 생수|18.9L|TG|TG|1|7000|KR
                탄산 광천수(수입)|750ml x 12|BX|BT|12|38000|IT
            """),
        ]),
        ("B30", "커피·차", [
            ("B3010", "커피", dict(tax="1", type="04", acct="14710", sup="100015", lead=3, pru="2"), """
                원두 하우스 블렌드|1kg|KG|KG|1|28000|BR
                원두 디카페인|1kg|KG|KG|1|34000|CO
                원두 예가체프|1kg|KG|KG|1|39000|ET
                커피믹스(스틱)|12g x 100|BX|EA|100|15000|KR
                객실용 인스턴트 커피|1.1g x 100|BX|EA|100|18000|KR
                콜드브루 원액|1L|BT|BT|1|18000|KR
            """),
            ("B3020", "차", dict(tax="1", type="04", acct="14710", sup="100015", lead=3, pru="2"), """
                녹차 티백|1.2g x 100|BX|EA|100|9000|KR
                얼그레이 티백|2g x 100|BX|EA|100|19000|GB
                캐모마일 티백|1g x 100|BX|EA|100|21000|DE
                유자차|2kg|EA|EA|1|14000|KR
                핫초코 파우더|1kg|PK|PK|1|12000|KR
            """),
        ]),
    ]),
    ("S", "소모품", [
        ("S10", "객실", [
            ("S1010", "어메니티", dict(tax="1", type="03", acct="52400", sup="100017", lead=5, pru="2"), """
                샴푸(객실용)|30ml x 300|BX|EA|300|90000|KR
                컨디셔너(객실용)|30ml x 300|BX|EA|300|90000|KR
                바디워시(객실용)|30ml x 300|BX|EA|300|90000|KR
                바디로션(객실용)|30ml x 300|BX|EA|300|96000|KR
                비누 25g|25g x 500|BX|EA|500|85000|KR
                칫솔·치약 세트|500세트|BX|ST|500|125000|CN
                일회용 면도기|500개|BX|EA|500|90000|CN
                샤워캡|1000개|BX|EA|1000|45000|CN
                일회용 빗|500개|BX|EA|500|55000|CN
                일회용 슬리퍼|200켤레|BX|PR|200|110000|CN
                면봉·화장솜 세트|500세트|BX|ST|500|60000|KR
            """),
            ("S1020", "린넨", dict(tax="1", type="03", acct="52400", sup="100018", lead=14, pru="2", somo="Y"), """
                침대시트(킹)|270x300cm|EA|EA|1|38000|KR
                침대시트(트윈)|160x260cm|EA|EA|1|26000|KR
                듀벳커버(킹)|240x220cm|EA|EA|1|52000|KR
                베개커버|50x75cm|EA|EA|1|9000|KR
                목욕 타월(대)|70x140cm 600g|EA|EA|1|14000|KR
                세면 타월|40x80cm 180g|EA|EA|1|4800|KR
                핸드 타월|34x34cm|EA|EA|1|2200|KR
                바스매트|50x80cm|EA|EA|1|8500|KR
                목욕 가운|프리사이즈|EA|EA|1|42000|KR
                원형 테이블 클로스|지름 240cm|EA|EA|1|32000|KR
                린넨 냅킨|50x50cm|EA|EA|1|3500|KR
            """),
        ]),
        ("S20", "주방", [
            ("S2010", "주방소모품", dict(tax="1", type="01", acct="52200", sup="100019", lead=3, pru="2"), """
                위생 랩|30cm x 500m|RL|RL|1|16000|KR
                알루미늄 호일|30cm x 100m|RL|RL|1|14000|KR
                니트릴 장갑(M)|100매|BX|BX|1|9000|VN
                위생 비닐장갑|200매|PK|PK|1|2500|KR
                부직포 위생모자|100매|PK|PK|1|6000|CN
                테이크아웃 컵 12oz|1000개|BX|EA|1000|68000|KR
                테이크아웃 컵 뚜껑|1000개|BX|EA|1000|38000|KR
                종이 냅킨|6000매|BX|BX|1|28000|KR
                지퍼백(대)|50매|PK|PK|1|4500|KR
                이쑤시개|1000개 x 10|BX|BX|1|12000|CN
                나무젓가락|100벌 x 30|BX|BX|1|32000|CN
            """),
            ("S2020", "세제·위생", dict(tax="1", type="01", acct="52200", sup="100020", lead=3, pru="2"), """
                식기세척기 세제|18.75L|TG|TG|1|62000|KR
                식기세척기 린스|18.75L|TG|TG|1|58000|KR
                중성 주방세제|18L|TG|TG|1|32000|KR
                락스|4L x 4|BX|TG|4|14000|KR
                손 세정제|3.78L|TG|TG|1|18000|KR
                다목적 세정제|4L|TG|TG|1|16000|KR
                오븐·그릴 탈지제|3.8L|TG|TG|1|32000|US
                스펀지 수세미|10개|PK|PK|1|6000|KR
                쓰레기봉투 100L|100매|PK|PK|1|16000|KR
                페이퍼 핸드타월|5000매|BX|BX|1|26000|KR
                점보롤 화장지|16롤|BX|RL|16|29000|KR
            """),
        ]),
        ("S30", "사무", [
            ("S3010", "사무용품", dict(tax="1", type="01", acct="52200", sup="100021", lead=2, pru="2"), """
                A4 복사용지|500매 x 5|BX|PK|5|26000|KR
                볼펜(흑)|12자루|DZ|EA|12|4800|KR
                네임펜|12자루|DZ|EA|12|9600|KR
                스테이플러 심|1000개 x 10|BX|BX|1|4000|KR
                클리어 파일|20매|EA|EA|1|3500|KR
                점착 메모지|76x76 12패드|PK|PK|1|12000|KR
                레이저 토너(흑)|표준용량|EA|EA|1|89000|JP
                박스테이프|48mm x 40m 50롤|BX|RL|50|35000|KR
                감열 영수증 롤지|80x70mm 50롤|BX|RL|50|45000|KR
            """),
            ("S3020", "인쇄물", dict(tax="1", type="01", acct="52500", sup="100028", lead=7, pru="2"), """
                객실 메모지|100매 x 10권|PK|PK|1|15000|KR
                식음료 주문서(3연식)|50조 x 10권|PK|PK|1|22000|KR
                키카드 홀더|500매|BX|BX|1|60000|KR
                양식당 메뉴판|A3 코팅|EA|EA|1|18000|KR|X
                로고 쇼핑백(중)|200매|BX|EA|200|96000|KR
            """),
        ]),
    ]),
    ("P", "부품", [
        ("P10", "전기", [
            ("P1010", "조명", dict(tax="1", type="06", acct="14900", sup="100023", lead=5, pru="2"), """
                LED 전구 E26 10W|주광색|EA|EA|1|4500|KR
                LED 다운라이트 6인치|15W 전구색|EA|EA|1|16000|KR
                LED 형광등 T8 1200mm|20W|EA|EA|1|8500|KR
                할로겐 램프 MR16|50W 12V|EA|EA|1|3800|DE
                피난구 유도등|중형|EA|EA|1|42000|KR
                LED 투광등 100W|방수형|EA|EA|1|85000|KR
            """),
            ("P1020", "전선·배선기구", dict(tax="1", type="06", acct="14900", sup="100022", lead=5, pru="2"), """
                전선 HFIX 2.5㎟|300m/롤|RL|MT|300|98000|KR
                전선 HFIX 4㎟|300m/롤|RL|MT|300|145000|KR
                VCTF 코드선 2.5㎟ 2C|100m/롤|RL|MT|100|78000|KR
                매입 콘센트 2구|접지형|EA|EA|1|4500|KR
                매입 스위치 3구|매입형|EA|EA|1|5200|KR
                절연테이프|19mm x 10m 10개|PK|EA|10|5000|KR
                케이블 타이 200mm|1000개|PK|PK|1|7000|KR
            """),
            ("P1030", "차단기·스위치", dict(tax="1", type="06", acct="14900", sup="100022", lead=5, pru="2"), """
                누전차단기 30A|2P 30mA|EA|EA|1|18000|KR
                배선용 차단기 50A|3P|EA|EA|1|32000|KR
                마그네트 스위치|22A 220V|EA|EA|1|28000|KR
                타이머 스위치|24시간 아날로그|EA|EA|1|35000|KR
                유리관 퓨즈 10A|10개|PK|EA|10|3000|KR
            """),
        ]),
        ("P20", "기계", [
            ("P2010", "베어링·벨트", dict(tax="1", type="06", acct="14900", sup="100024", lead=7, pru="2"), """
                볼베어링 6205ZZ|25x52x15|EA|EA|1|6500|JP
                볼베어링 6305ZZ|25x62x17|EA|EA|1|9500|JP
                V벨트 A-45|A형|EA|EA|1|8000|KR
                V벨트 B-60|B형|EA|EA|1|12500|KR
                범용 그리스|15kg|TG|TG|1|68000|KR
                기어유 #220|20L|TG|TG|1|85000|KR
            """),
            ("P2020", "필터·펌프부품", dict(tax="1", type="06", acct="14900", sup="100024", lead=7, pru="2"), """
                공조기 프리필터|595x595x50|EA|EA|1|18000|KR
                공조기 중성능 백필터|592x592x600|EA|EA|1|65000|KR
                정수기 필터 세트|3단|ST|ST|1|48000|KR
                펌프 메카니컬 씰|35mm|EA|EA|1|52000|KR
                냉각탑 충진재|1㎥|EA|EA|1|240000|KR
                냉매 R-410A|11.3kg|TG|TG|1|185000|CN
            """),
        ]),
        ("P30", "배관", [
            ("P3010", "배관자재", dict(tax="1", type="07", acct="52300", sup="100025", lead=5, pru="2"), """
                PVC 파이프 VG1 50A|4m|EA|EA|1|15000|KR
                동관 15A|15m/롤|RL|MT|15|95000|KR
                PPR 파이프 25mm|4m|EA|EA|1|9000|KR
                PVC 엘보 50A|90도|EA|EA|1|1200|KR
                발포 폴리에틸렌 보온재|15A x 2m|EA|EA|1|2500|KR
                테프론 테이프|10개|PK|EA|10|4000|KR
            """),
            ("P3020", "밸브·수전", dict(tax="1", type="07", acct="52300", sup="100025", lead=5, pru="2"), """
                볼밸브 25A|황동|EA|EA|1|14000|KR
                게이트밸브 50A|주철|EA|EA|1|62000|KR
                스윙 체크밸브 40A|스윙형|EA|EA|1|38000|KR
                세면대 수전|원홀 냉온수|EA|EA|1|68000|KR
                절수형 샤워 헤드|절수형|EA|EA|1|22000|KR
                양변기 부속 세트|레버·필밸브|ST|ST|1|19000|KR
            """),
        ]),
        ("P40", "공구", [
            ("P4010", "수공구", dict(tax="1", type="05", acct="52200", sup="100026", lead=3, pru="2", somo="Y"), """
                드라이버 세트|6종|ST|ST|1|18000|KR
                몽키 스패너 12인치|300mm|EA|EA|1|16000|JP
                파이프 렌치 18인치|450mm|EA|EA|1|32000|US
                전공 펜치|200mm|EA|EA|1|19000|JP
                줄자 5.5m|자동|EA|EA|1|9000|KR
                커터칼(대)|18mm|EA|EA|1|3500|JP
            """),
            ("P4020", "전동공구", dict(tax="1", type="05", acct="52200", sup="100026", lead=5, pru="2", somo="Y"), """
                충전 드릴 드라이버|18V 배터리 2개|ST|ST|1|245000|DE
                앵글 그라인더 4인치|720W|EA|EA|1|89000|DE
                연마석 4인치|10매|PK|PK|1|9000|KR
                철재용 드릴 비트 세트|13종|ST|ST|1|28000|DE
                디지털 멀티 테스터|AC/DC 600V|EA|EA|1|65000|CN
            """),
        ]),
        ("P50", "건축·수선", [
            ("P5010", "도장재", dict(tax="1", type="07", acct="52300", sup="100027", lead=3, pru="2"), """
                수성 페인트(백색)|18L|TG|TG|1|68000|KR
                유성 페인트(회색)|4L|TG|TG|1|32000|KR
                방수 실리콘(백색)|270ml x 25|BX|EA|25|42000|KR
                페인트 롤러 세트|9인치|ST|ST|1|8000|KR
                핸디코트 퍼티|5kg|TG|TG|1|12000|KR
            """),
            ("P5020", "건축자재", dict(tax="1", type="07", acct="52300", sup="100027", lead=5, pru="2"), """
                석고보드 9.5T|900x1800|SH|SH|1|5500|KR
                타일 접착제|20kg|SK|SK|1|18000|KR
                시멘트|40kg|SK|SK|1|6500|KR
                바닥 타일 300각|1.08㎡/박스|BX|BX|1|22000|ES
                도어 클로저|중형|EA|EA|1|38000|KR
                객실 도어락(카드키형)|구형 모델|EA|EA|1|280000|KR|N
            """),
        ]),
    ]),
]


def class_rows(tree):
    """OX030MS / OP030MS rows; DIVIDE_NO orders siblings as listed."""
    rows = []
    for i, (c1, n1, level2) in enumerate(tree, 1):
        rows.append((c1, n1, None, 1, "%d" % i))
        for j, (c2, n2, level3) in enumerate(level2, 1):
            rows.append((c2, n2, c1, 2, "%d%02d" % (i, j)))
            for k, entry in enumerate(level3, 1):
                rows.append((entry[0], entry[1], c2, 3, "%d%02d%02d" % (i, j, k)))
    return rows


def minor_classes(tree):
    for _, _, level2 in tree:
        for _, _, level3 in level2:
            for entry in level3:
                yield entry


def parse_lines(block):
    for line in block.strip().splitlines():
        line = line.strip()
        if line:
            yield [p.strip() for p in line.split("|")]


def item_classes():
    return Table("OX030MS", ["DIVIDE_CODE", "DIVIDE_NAME", "PARENT_CODE", "DIVIDE_LEVEL", "DIVIDE_NO"],
                 class_rows(CLASS_TREE))


def abc_class(price):
    return "A" if price >= 100000 else ("B" if price >= 10000 else "C")


def stock_norm(price):
    # in stock units of the cheaper items a warehouse keeps more
    return 30 if price < 10000 else (10 if price < 50000 else (5 if price < 150000 else 2))


def items():
    columns = ["ITEM_CODE", "ITEM_NAME", "ITEM_SNAME", "ITEM_INDEX", "ITEM_STANDARD1", "ITEM_STANDARD2",
               "ITEM_TYPE", "DIVIDE_CODE", "GUMAE_UNIT", "SOOBUL_UNIT", "CHANGE_QTY", "SOOBUL_YN",
               "TAX_GUBUN", "ACCT_CODE", "C_CODE", "COST_AMT", "ABC_GUBUN", "FIXED_PRU_GUBUN",
               "LEAD_TIME", "LIMIT_STOCK", "ORG_NATION", "PROD_ITEM", "SOMO_JAEGO_YN", "SUTAK_YN", "USE_YN"]
    rows = []
    for code, _, d, block in minor_classes(CLASS_TREE):
        for serial, parts in enumerate(parse_lines(block), 1):
            name, standard, gumae, soobul, change, price, nation = parts[:7]
            flags = set(parts[7:])
            price = int(price)
            tax = "1" if "T1" in flags else ("2" if "T2" in flags else d["tax"])
            rows.append((
                "%s%03d" % (code, serial), name, short_name(name), search_index(name), standard, d.get("std2"),
                d["type"], code, gumae, soobul, int(change), "N" if "X" in flags else "Y",
                tax, d["acct"], d["sup"], price, abc_class(price), d["pru"],
                d["lead"], stock_norm(price) if d["pru"] == "2" else 0, nation,
                "1" if "P" in flags else "0", d.get("somo", "N"), "N", "N" if "N" in flags else "Y",
            ))
    return Table("OX010MS", columns, rows)


# ------------------------------------------------------------------ warehouses and approvers
# 3xx and 42x are the warehouses that also keep the separate material stock.

WAREHOUSES = [  # code, name, department, parent, division, outlet, USE_YN
    ("100", "중앙창고", "1300", None, "01", None, "Y"),
    ("110", "식품창고", "1300", "100", "01", None, "Y"),
    ("120", "음료창고", "1300", "100", "01", None, "Y"),
    ("130", "소모품창고", "1300", "100", "01", None, "Y"),
    ("200", "호텔사업부", "2000", None, "99", None, "Y"),
    ("210", "한식당 주방", "2310", "200", "03", "2010", "Y"),
    ("220", "양식당 주방", "2320", "200", "03", "2020", "Y"),
    ("230", "일식당 주방", "2330", "200", "03", "2030", "Y"),
    ("240", "뷔페 주방", "2340", "200", "03", "2040", "Y"),
    ("250", "로비라운지", "2210", "200", "03", "2050", "Y"),
    ("260", "스카이바", "2220", "200", "03", "2060", "Y"),
    ("270", "객실 하우스키핑", "2100", "200", "02", None, "Y"),
    ("290", "중식당 주방", "2350", "200", "03", None, "N"),
    ("300", "시설관리", "6000", None, "99", None, "Y"),
    ("310", "시설자재창고", "6100", "300", "04", None, "Y"),
    ("320", "전기실", "6110", "300", "04", None, "Y"),
    ("330", "기계실", "6120", "300", "04", None, "Y"),
    ("400", "레저사업부", "4000", None, "99", None, "Y"),
    ("410", "골프 클럽하우스 주방", "4100", "400", "03", "2070", "Y"),
    ("420", "골프 코스관리 창고", "4200", "400", "04", None, "Y"),
    ("430", "스키하우스 푸드코트", "5100", "400", "03", "2080", "Y"),
    ("440", "슬로프 정비 창고", "5200", "400", "04", None, "Y"),
    ("500", "콘도사업부", "3000", None, "99", None, "Y"),
    ("510", "콘도 편의점", "3210", "500", "03", "2110", "Y"),
    ("520", "기념품점", "3220", "500", "03", "2120", "Y"),
    ("530", "콘도 하우스키핑", "3100", "500", "02", None, "Y"),
    ("900", "본관 리노베이션 현장", "6100", None, "05", None, "Y"),
]

APPROVERS = OrderedDict([
    ("100", ["19980003", "20010011"]),
    ("110", ["19980003"]),
    ("120", ["19980003"]),
    ("210", ["19990021", "20030007"]),
    ("220", ["19990021"]),
    ("240", ["19990021"]),
    ("310", ["20020015"]),
    ("510", ["20050002"]),
])


def warehouses():
    return Table("OX060MS", ["STRG_CODE", "STRG_NAME", "DEPT_CODE", "PARENT_CODE", "BUSI_GUBUN",
                             "UPJANG_CODE", "USE_YN"], WAREHOUSES)


def approvers():
    rows = []
    for strg, emps in APPROVERS.items():
        for n, emp in enumerate(emps, 1):
            rows.append((strg, n, emp))
    return Table("OX070MS", ["STRG_CODE", "APPR_NUM", "EMP_NO"], rows)


# ------------------------------------------------------------------ separate material stock

MATERIAL_DEPARTMENTS = [  # code, name, level, type, remark, department above, USE_YN
    ("1300", "자재팀", "2", "P", None, None, "Y"),
    ("1400", "재경팀", "2", "N", "자재 원가 관리", None, "Y"),
    ("4200", "코스관리팀", "2", "P", None, None, "Y"),
    ("4291", "코스관리 자재창고", "4", "Y", "골프 코스관리 창고", "4200", "Y"),
    ("5200", "슬로프관리팀", "2", "P", None, None, "Y"),
    ("6100", "시설팀", "2", "P", None, None, "Y"),
    ("6110", "전기파트", "3", "P", None, "6100", "Y"),
    ("6120", "기계파트", "3", "P", None, "6100", "Y"),
    ("6130", "건축파트", "3", "P", None, "6100", "Y"),
    ("6140", "통신파트", "3", "P", "2019년 전기파트로 통합", "6100", "N"),
    ("6191", "시설자재창고", "4", "Y", "본관 지하 2층", "6100", "Y"),
]

# minor type → (ITEM_TYPE, [name | 규격 | unit | Lot No [| N]])
MATERIAL_TREE = [
    ("E", "전기자재", [
        ("E10", "조명자재", [
            ("E1010", "램프", "06", """
                메탈할라이드 램프 250W|E39|EA|
                나트륨 램프 400W|E40|EA|
                삼파장 램프 55W|FPL 55W|EA||N
            """),
            ("E1020", "LED모듈·안정기", "06", """
                LED 모듈 50W|SMD 주광색|EA|LOT-2311A
                전자식 안정기 55W x 2|2등용|EA|
                LED 컨버터 60W|DC 24V|EA|LOT-2402C
            """),
        ]),
        ("E20", "배선자재", [
            ("E2010", "전선·케이블", "06", """
                CV 케이블 6㎟ 3C|600V|MT|
                접지선 GV 4㎟|녹색|MT|
                UTP 케이블 CAT.6|305m/박스|BX|
            """),
            ("E2020", "배선기구", "06", """
                CD 전선관 16mm|50m/롤|RL|
                풀박스 100각|철제|EA|
                링 압착단자 5.5㎟|100개|PK|
            """),
        ]),
    ]),
    ("M", "기계자재", [
        ("M10", "공조자재", [
            ("M1010", "에어필터", "06", """
                프리필터 500x500|부직포|EA|
                헤파필터 610x610|H13|EA|LOT-2309H
                주방 후드 필터|500x500 스테인리스|EA|
            """),
            ("M1020", "벨트", "06", """
                V벨트 A-42|A형|EA|
                V벨트 B-55|B형|EA|
                타이밍 벨트 HTD 8M|폭 30mm|EA|
            """),
        ]),
        ("M20", "배관자재", [
            ("M2010", "배관부속", "07", """
                동 엘보 15A|90도|EA|
                유니온 25A|황동|EA|
                PVC 소켓 50A|VG1|EA|
            """),
            ("M2020", "밸브", "07", """
                볼밸브 15A|황동|EA|
                감압밸브 25A|주철|EA|
                안전밸브 20A|스프링식|EA|
            """),
        ]),
    ]),
    ("C", "소모자재", [
        ("C10", "정비소모품", [
            ("C1010", "윤활유·그리스", "01", """
                리튬 그리스|400g 카트리지|EA|
                방청 윤활제 스프레이|360ml|CN|
                유압유 ISO VG46|20L|TG|LOT-2401K
            """),
            ("C1020", "용접·연마재", "01", """
                용접봉 3.2mm|5kg|PK|
                절단석 4인치|25매|PK|
                사포 #120|50매|PK|
            """),
        ]),
    ]),
]


def material_departments():
    return Table("OP010MS", ["DEPT_CODE", "DEPT_NAME", "DEPT_LEVEL", "DEPT_TYPE", "DEPT_REM",
                             "MAN_DEPT_CODE", "USE_YN"], MATERIAL_DEPARTMENTS)


def material_types():
    return Table("OP030MS", ["DIVIDE_CODE", "DIVIDE_NAME", "PARENT_CODE", "DIVIDE_LEVEL", "DIVIDE_NO"],
                 class_rows(MATERIAL_TREE))


def materials():
    rows = []
    for code, _, item_type, block in minor_classes(MATERIAL_TREE):
        for serial, parts in enumerate(parse_lines(block), 1):
            name, standard, unit, lot = parts[:4]
            rows.append(("%s%03d" % (code, serial), name, short_name(name), search_index(name), standard,
                         lot or None, unit, item_type, code, "N" if "N" in parts[4:] else "Y"))
    return Table("OP020MS", ["ITEM_CODE", "ITEM_NAME", "ITEM_SNAME", "ITEM_INDEX", "ITEM_STANDARD1",
                             "ITEM_STANDARD2", "SOOBUL_UNIT", "ITEM_TYPE", "DIVIDE_CODE", "USE_YN"], rows)


# ------------------------------------------------------------------ menus and rights
# Every program of the main window, once, by menu; the name is the tab caption.

MENUS = [
    ("M01", "기준정보", [
        ("OXI010", "품목코드등록"), ("OXI020", "품목분류코드 등록"),
        ("OXI030", "거래처별 품목 확정단가 등록"), ("OXI040", "품목 타계정 등록"),
        ("OXI050", "창고별 적정재고 등록"), ("OXI060", "창고코드 등록"),
        ("OXI070", "승인권자 등록"), ("OXI080", "기초재고 등록"),
    ]),
    ("M02", "구매의뢰", [
        ("OAI010", "구매의뢰 등록"), ("OAI020", "구매의뢰 승인"), ("OAI030", "견적서 관리"),
    ]),
    ("M03", "발주", [
        ("OBI010", "구매발주 등록"), ("OBI020", "구매발주 확정"), ("OBS010", "구매 발주서 출력"),
        ("OBS020", "창고별 발주 현황"), ("OBS030", "거래처별 발주 현황"),
        ("OBS060", "소모품 창고별 발주현황"), ("OBS070", "소모품 거래처별 발주현황"),
        ("OBS090", "공사/수선 창고별 발주현황"), ("OBS100", "공사/수선 거래처별 발주 현황"),
        ("OBS040", "식자재 품목별 구매현황"),
    ]),
    ("M04", "입고", [
        ("OCI010", "검수입고 등록"), ("OCI020", "입고 확정"), ("OCI030", "불출 반입 등록"),
        ("OCS010", "미입고 현황"), ("OCS020", "거래처별 검수 집계표"), ("OCS030", "검수 명세서"),
        ("OCS040", "거래처별 구매실적"), ("OCS050", "창고별 구매실적"),
        ("OCS060", "품목별 검수 집계표"), ("OCS070", "기간별 입고 단가 조회"),
    ]),
    ("M05", "출고", [
        ("ODI010", "출고 의뢰 등록"), ("ODI011", "출고확정"),
        ("ODI020", "이동출고 의뢰 등록"), ("ODI021", "이동출고확정"),
        ("ODI030", "이동불출 의뢰 등록"), ("ODI031", "이동불출확정"),
        ("ODI040", "반품 등록"), ("ODI050", "기타 출고 등록"),
    ]),
    ("M06", "재고/마감", [
        ("OEI010", "재고 실사 조정"), ("OEB030", "구매자재 일마감"), ("OEB010", "구매마감"),
        ("OEB020", "전산마감"), ("OES020", "창고별 재고 집게표"), ("OES030", "품목별 재고집게표"),
        ("OES040", "품목 수불부"), ("OES050", "재고수불명세서"), ("OES100", "재고수불명세서(VAT)"),
        ("OES060", "창고별수불금액집계표"), ("OES070", "DAILY FOOD/BEVERAGE COST REPORT"),
        ("OES080", "일일 식음원가 보고서"), ("OES090", "일일 식음원가 집계"),
    ]),
    ("M07", "작업의뢰", [
        ("OFI010", "작업의뢰서"), ("OFI020", "작업스케줄"), ("OFI030", "작업처리"),
    ]),
    ("M08", "시설", [
        ("OGI010", "시설정보등록"), ("OGI020", "점검사항설정"), ("OGI030", "시설 유지보수 등록"),
        ("OGI040", "시설 점검 등록"), ("OGS040", "점검 시설 현황"),
        ("OGS042", "일일 설비 점검 결과(문제점)"),
    ]),
    ("M09", "레시피", [
        ("OHI010", "RECIPE 등록"), ("OHS010", "RECIPE 계산"),
        ("OHS020", "RECIPE SHEET"), ("OHS030", "RECIPE MASTER"),
    ]),
    ("M10", "자재입출고", [
        ("OPI030", "자재유형코드등록"), ("OPI020", "자재코드등록"), ("OPI010", "자재부서등록"),
        ("OPI040", "입출고관리"), ("OPS050", "품목별 재고수불부"), ("OPS060", "품목별자재수불부"),
    ]),
]

ALL_PROGRAMS = [pid for _, _, programs in MENUS for pid, _ in programs]

LEVELS = OrderedDict([
    ("00", ALL_PROGRAMS),
    ("10", ["OXI010", "OXI020", "OXI030", "OXI040", "OXI050", "OXI060", "OXI070",
            "OAI010", "OAI020", "OAI030",
            "OBI010", "OBI020", "OBS010", "OBS020", "OBS030", "OBS040", "OBS060", "OBS070",
            "OBS090", "OBS100",
            "OCS010", "OCS020", "OCS030", "OCS040", "OCS050", "OCS060", "OCS070",
            "OEB010", "OES020", "OES030", "OES040", "OES050", "OES060", "OES100"]),
    ("20", ["OXI050", "OXI080", "OAI010",
            "OCI010", "OCI020", "OCI030", "OCS010", "OCS020", "OCS030", "OCS040", "OCS050",
            "OCS060", "OCS070",
            "ODI010", "ODI011", "ODI020", "ODI021", "ODI030", "ODI031", "ODI040", "ODI050",
            "OEI010", "OEB030", "OES020", "OES030", "OES040", "OES050", "OES060", "OES100"]),
    ("30", ["OAI010", "ODI010", "OES020", "OES030", "OES040", "OES050",
            "OHI010", "OHS010", "OHS020", "OHS030"]),
    ("40", ["OFI010", "OFI020", "OFI030",
            "OGI010", "OGI020", "OGI030", "OGI040", "OGS040", "OGS042",
            "OPI010", "OPI020", "OPI030", "OPI040", "OPS050", "OPS060"]),
])

EMPLOYEE_LEVELS = [
    ("A0000001", "00"),
    ("P0000001", "10"), ("20010011", "10"), ("T0000001", "10"),
    ("W0000001", "20"), ("19980003", "20"),
    ("K0000001", "30"), ("19990021", "30"), ("T0000003", "30"),
    ("M0000001", "40"), ("20020015", "40"),
]

EMPLOYEE_EXCEPTIONS = [  # EMP_NO, PROGRAM_ID, ADD_YN
    ("T0000001", "OAI020", "N"),
    ("T0000002", "OXI010", "Y"),
    ("T0000003", "OBI010", "Y"),
]


def menus():
    rows = [(PROJECT_ID, mid, name, 10 * i) for i, (mid, name, _) in enumerate(MENUS, 1)]
    return Table("ZA040MS", ["PROJECT_ID", "MENU_ID", "MENU_NAME", "DISPLAY_SEQ"], rows)


def menu_programs():
    rows = []
    for mid, _, programs in MENUS:
        for i, (pid, name) in enumerate(programs, 1):
            rows.append((PROJECT_ID, mid, pid, name, 10 * i))
    return Table("ZA050MS", ["PROJECT_ID", "MENU_ID", "PROGRAM_ID", "PROGRAM_NAME", "DISPLAY_SEQ"], rows)


def employee_levels():
    return Table("ZA130MS", ["EMP_NO", "PROJECT_ID", "PROJECT_LEVEL"],
                 [(emp, PROJECT_ID, level) for emp, level in EMPLOYEE_LEVELS])


def level_programs():
    rows = [(PROJECT_ID, level, pid) for level, programs in LEVELS.items() for pid in programs]
    return Table("ZA140MS", ["PROJECT_ID", "PROJECT_LEVEL", "PROGRAM_ID"], rows)


def employee_exceptions():
    return Table("ZA150MS", ["EMP_NO", "PROJECT_ID", "PROGRAM_ID", "ADD_YN"],
                 [(emp, PROJECT_ID, pid, add) for emp, pid, add in EMPLOYEE_EXCEPTIONS])


# ------------------------------------------------------------------ consistency

def check(all_tables):
    t = {tb.name: tb for tb in all_tables}

    def column(name, col):
        tb = t[name]
        i = tb.columns.index(col)
        return [r[i] for r in tb.rows]

    def unique(name, *cols):
        idx = [t[name].columns.index(c) for c in cols]
        keys = [tuple(r[i] for i in idx) for r in t[name].rows]
        dup = {k for k in keys if keys.count(k) > 1}
        assert not dup, "%s: duplicate %s %s" % (name, cols, sorted(dup))

    def refers(name, col, target, target_col, where=None):
        known = set(column(target, target_col))
        if where:
            known = {r[t[target].columns.index(target_col)] for r in t[target].rows if where(r)}
        missing = {v for v in column(name, col) if v is not None and v not in known}
        assert not missing, "%s.%s: unknown %s" % (name, col, sorted(missing))

    def codes(head):
        return lambda r: r[0] == head

    unique("ZX010MS", "HEAD", "DETAIL")
    unique("QA160MS", "AFF_DEPT_CODE")
    unique("QA010MS", "EMP_NO")
    unique("VA050MS", "C_CODE")
    unique("OX010MS", "ITEM_CODE")
    unique("OX030MS", "DIVIDE_CODE")
    unique("OX060MS", "STRG_CODE")
    unique("OX070MS", "STRG_CODE", "APPR_NUM")
    unique("OP020MS", "ITEM_CODE")
    unique("OP030MS", "DIVIDE_CODE")
    unique("ZA050MS", "PROGRAM_ID")
    unique("ZA140MS", "PROJECT_LEVEL", "PROGRAM_ID")
    unique("ZA130MS", "EMP_NO")

    zx = t["ZX010MS"]
    zx_col = zx.columns.index("DETAIL")
    for tb, col, head in [("OX010MS", "GUMAE_UNIT", "Z0025"), ("OX010MS", "SOOBUL_UNIT", "Z0025"),
                          ("OX010MS", "ORG_NATION", "Z0001"), ("OX010MS", "ITEM_TYPE", "O0001"),
                          ("OX060MS", "BUSI_GUBUN", "O0002"), ("VA050MS", "LOCAL_INIT", "ZV001"),
                          ("OP020MS", "SOOBUL_UNIT", "Z0025"), ("OP020MS", "ITEM_TYPE", "O0001")]:
        known = {r[zx_col] for r in zx.rows if r[0] == head and r[3] == "Y"}
        missing = {v for v in column(tb, col) if v is not None and v not in known}
        assert not missing, "%s.%s: no usable %s code %s" % (tb, col, head, sorted(missing))

    refers("OX010MS", "DIVIDE_CODE", "OX030MS", "DIVIDE_CODE", lambda r: r[3] == 3)
    refers("OX010MS", "C_CODE", "VA050MS", "C_CODE", lambda r: r[7] == "Y")
    refers("OX010MS", "ACCT_CODE", "VA020MS", "ACCT_CODE")
    refers("OX030MS", "PARENT_CODE", "OX030MS", "DIVIDE_CODE")
    refers("OX060MS", "PARENT_CODE", "OX060MS", "STRG_CODE")
    refers("OX060MS", "DEPT_CODE", "QA160MS", "AFF_DEPT_CODE")
    refers("OX060MS", "UPJANG_CODE", "JA010MS", "UPJANG_CODE")
    refers("OX070MS", "STRG_CODE", "OX060MS", "STRG_CODE")
    refers("OX070MS", "EMP_NO", "QA010MS", "EMP_NO")
    refers("OP020MS", "DIVIDE_CODE", "OP030MS", "DIVIDE_CODE", lambda r: r[3] == 3)
    refers("OP030MS", "PARENT_CODE", "OP030MS", "DIVIDE_CODE")
    refers("OP010MS", "MAN_DEPT_CODE", "OP010MS", "DEPT_CODE")
    refers("ZA050MS", "MENU_ID", "ZA040MS", "MENU_ID")
    refers("ZA140MS", "PROGRAM_ID", "ZA050MS", "PROGRAM_ID")
    refers("ZA150MS", "PROGRAM_ID", "ZA050MS", "PROGRAM_ID")
    refers("ZA130MS", "EMP_NO", "QA010MS", "EMP_NO")
    refers("ZA150MS", "EMP_NO", "QA010MS", "EMP_NO")

    for r in t["OX010MS"].rows:
        assert r[0][:5] == r[7] and len(r[0]) == 8, r
        assert len(r[1]) <= 40 and len(r[2]) <= 20 and len(r[3]) <= 20 and len(r[4]) <= 30, r
    for name in ("OX030MS", "OP030MS"):
        for code, _, parent, level, _ in t[name].rows:
            assert len(code) == {1: 1, 2: 3, 3: 5}[level], code
            assert (parent or "") == code[:{1: 0, 2: 1, 3: 3}[level]], code
    for r in t["OX060MS"].rows:
        assert len(r[0]) == 3, r

    programs = column("ZA050MS", "PROGRAM_ID")
    assert sorted(programs) == sorted(set(programs)) and len(programs) == 71, len(programs)
    assert all(s > 0 for s in column("ZA050MS", "DISPLAY_SEQ") + column("ZA040MS", "DISPLAY_SEQ"))

    # the facts the tests rely on
    levels = dict(EMPLOYEE_LEVELS)
    assert {"OAI010", "OAI020"} <= set(LEVELS[levels["T0000001"]])
    assert "T0000002" not in levels
    assert levels["T0000003"] == levels["K0000001"] and "OBI010" not in LEVELS[levels["K0000001"]]


# ------------------------------------------------------------------ main

def tables():
    return [
        common_codes(),
        departments(), employees(), outlets(), accounts(), suppliers(),
        item_classes(), items(), warehouses(), approvers(),
        material_departments(), material_types(), materials(),
        menus(), menu_programs(), employee_levels(), level_programs(), employee_exceptions(),
    ]


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, "..", "..", "data", "demo")
    out = os.path.normpath(out)
    os.makedirs(out, exist_ok=True)
    all_tables = tables()
    check(all_tables)
    for table in sorted(all_tables, key=lambda tb: tb.name):
        write_table(out, table)
        print("%-8s %4d rows" % (table.name, len(table.rows)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
