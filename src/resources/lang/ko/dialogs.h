/* Korean dialog texts. Each macro is the text of one control:
 * D<template>_<control id>, or D<template>_CAPTION for the title.
 * The mnemonic is the English letter, appended as "(&X)"; mnemonics stay
 * unique within a dialog. */
#pragma once

#define DLG_FONT_SIZE       9
#define DLG_FONT_FACE       "MS Shell Dlg"
#define DLG_FONT_WEIGHT     400
#define DLG_FONT_ITALIC     0
#define DLG_FONT_CHARSET    129

/* Overlays: choose the overlay mode and the active overlays of the job */
#define D109_CAPTION        "오버레이"
#define D109_MODE_LABEL     "오버레이 모드(&M):"
#define D109_1051           "사용할 오버레이(&V):"
#define D109_1054           "추가(&A)"
#define D109_1055           "제거(&L)"
#define D109_1056           "정의된 오버레이(&F):"
#define D109_1059           "신규(&N)"
#define D109_1060           "편집(&E)"
#define D109_1061           "삭제(&D)"
#define D109_1              "확인"
#define D109_2              "취소"

/* Color property page */
#define D111_CAPTION        "색상"
#define D111_1617           "색상 모드(&M)"
#define D111_1605           "컬러 인쇄"
#define D111_1606           "회색조 인쇄 (흑백)"
#define D111_1616           "자세히(&D)..."
#define D111_4112           "인쇄 카트리지(&C)"
#define D111_4113           "흰색"
#define D111_4114           "검정"
#define D111_1666           "모드(&P)"
#define D111_4110           "검정 처리(&B)"
#define D111_1618           "사용자 지정 감마(&U):"
#define D111_1215           "고급(&V)..."
#define D111_10000          "기본값(&D)"

/* Watermarks: the list of watermarks and the job's choice */
#define D112_CAPTION        "워터마크"
#define D112_1403           "신규(&N)..."
#define D112_1402           "삭제(&D)"
#define D112_1404           "편집(&E)..."
#define D112_1437           "첫 페이지에만 인쇄(&O)"
#define D112_1448           "배경으로 인쇄(&B)"
#define D112_1              "확인"
#define D112_2              "취소"

/* Job Options property page */
#define D113_CAPTION        "작업 옵션"
#define D113_1500           "인쇄 품질(&Q)"
#define D113_1545           "Zenit/고품질"
#define D113_1546           "정밀 / 세밀 (600x1200)"
#define D113_1547           "표준 (600x600)"
#define D113_1558           "이미지 스무딩(&I)"
#define D113_1542           "매수(&C)"
#define D113_1518           "한 부씩 인쇄(&L)"
#define D113_1530           "배율(&E)"
#define D113_1800           "특수 기능(&S)"
#define D113_1801           "좌우 반전 인쇄(&M)"
#define D113_1537           "고급(&V)..."
#define D113_1559           "정보(&B)..."
#define D113_10000          "기본값(&D)"

/* Watermark editor: one watermark's text, size, angle, font, border, position */
#define D114_CAPTION        "워터마크"
#define D114_1400           "텍스트(&T)"
#define D114_1412           "크기(&S)"
#define D114_1415           "각도(&G)"
#define D114_1445           "-180"
#define D114_1446           "0"
#define D114_1447           "+180"
#define D114_1418           "글꼴(&F)..."
#define D114_1419           "색상(&C)..."
#define D114_1438           "테두리(&R)"
#define D114_1439           "없음"
#define D114_1440           "원형"
#define D114_1441           "한 줄 테두리"
#define D114_1442           "두 줄 테두리"
#define D114_1430           "위치(&P)"
#define D114_1444           "워터마크 위치 조정"
#define D114_1431           "&X"
#define D114_1433           "&Y"
#define D114_1              "확인"
#define D114_2              "취소"

/* Font of a watermark: printer font, style and size */
#define D115_CAPTION        "글꼴"
#define D115_1452           "글꼴(&F)"
#define D115_1455           "글꼴 스타일(&Y)"
#define D115_1458           "크기(&S)"
#define D115_1              "확인"
#define D115_2              "취소"

/* About: driver name and versions */
#define D117_CAPTION        "정보"
#define D117_1565           "드라이버 버전"
#define D117_1566           "PPD 버전"
#define D117_1              "확인"

/* Office Color Details: colour settings for office documents */
#define D118_CAPTION        "오피스 색상 세부 설정"
#define D118_1200           "RGB 색상 설정"
#define D118_1282           "색상 설정(&C)"
#define D118_1267           "색상 조정 도구 설정"
#define D118_1260           "CMYK 잉크 시뮬레이션(&S)"
#define D118_1253           "검정 처리(&B)"
#define D118_1254           "자동"
#define D118_1255           "혼합 검정 (CMYK)"
#define D118_1256           "순수 검정 (K)"
#define D118_1              "확인"
#define D118_2              "취소"
#define D118_10000          "기본값"

/* Color Print Details: colour matching profiles and precision */
#define D119_CAPTION        "컬러 인쇄 세부 설정"
#define D119_1656           "입력"
#define D119_1657           "RGB 프로필(&R)"
#define D119_1681           "CMYK 입력 프로필(&C)"
#define D119_1682           "CMYK 링크 프로필(&L)"
#define D119_1690           "시뮬레이션 프로필(&S)"
#define D119_1659           "프린터 출력 프로필"
#define D119_1661           "출력 프로필(&O)"
#define D119_1663           "렌더링 의도(&I)"
#define D119_1665           "색상 일치 정밀도(&M)"
#define D119_1669           "속도"
#define D119_1668           "품질"
#define D119_1              "확인"
#define D119_2              "취소"
#define D119_10000          "기본값"

/* Advanced colour options: halftones */
#define D200_CAPTION        "고급"
#define D200_1300           "고급 색상 옵션"
#define D200_1301           "항상 프린터 하프톤 사용(&A)"
#define D200_1305           "최적화된 회색조 하프톤 사용(&G)"
#define D200_1              "확인"
#define D200_2              "취소"
#define D200_10000          "기본값(&D)"

/* ICC profile settings */
#define D201_CAPTION        "ICC 프로필 설정"
#define D201_1700           "ICC 프로필"
#define D201_1701           "원본 프로필(&S)"
#define D201_1703           "프린터 프로필(&P)"
#define D201_1705           "렌더링 의도(&I)"
#define D201_1              "확인"
#define D201_2              "취소"

/* JOB PIN: job name and PIN of a secure job */
#define D202_CAPTION        "작업 PIN"
#define D202_1004           "보안 작업은 프린터 제어판에서 해당 PIN을 입력할 때까지 프린터에 보관됩니다."
#define D202_1005           "작업 이름(&N):"
#define D202_1007           "인쇄 작업마다 작업 이름 요청"
#define D202_1009           "PIN(&P):"
#define D202_1010           "(4자리 숫자)"
#define D202_1              "확인"
#define D202_2              "취소"

/* Define Overlays: one overlay's name, pages and forms */
#define D203_CAPTION        "오버레이 정의"
#define D203_1100           "오버레이 이름(&N):"
#define D203_1102           "인쇄할 페이지(&P):"
#define D203_1104           "페이지 지정(&C):"
#define D203_1106           "페이지 번호나 페이지 범위를 쉼표로 구분하여 입력하십시오. 예: 1,3,5-12"
#define D203_1107           "양식 설정"
#define D203_1108           "양식 이름(&M):"
#define D203_1110           "추가(&A)"
#define D203_1111           "이름 변경(&R)"
#define D203_1112           "정의된 양식(&F):"
#define D203_1114           "삭제(&D)"
#define D203_1              "확인"
#define D203_2              "취소"

/* Advanced job options */
#define D204_CAPTION        "고급"
#define D204_1806           "작업 스풀(&J)"
#define D204_1804           "작업 압축(&C)"
#define D204_1807           "인쇄 전에 유지 관리 실행(&R)"
#define D204_1808           "매우 가는 선 보정(&A)"
#define D204_10000          "기본값(&D)"
#define D204_1              "확인"
#define D204_2              "취소"

/* One-time notices; the check box text is shared by all four */
#define D300_6005           "다음에도 이 메시지 표시(&S)"
#define D300_CAPTION        "보안 인쇄"
#define D300_6004           "보안 작업은 프린터 제어판에서 PIN을 입력하여 해제할 때까지 프린터의 하드 디스크에서 대기합니다."
#define D300_1              "확인"
#define D301_CAPTION        "경고:"
#define D301_6004           "이 프린터는 공유 프린터입니다. 다른 컴퓨터에서 인쇄할 때는 작업 이름을 물어볼 수 없으므로 여기에 입력하십시오."
#define D301_6005           D300_6005
#define D301_1              "확인"
#define D301_2              "취소"
#define D302_CAPTION        "오버레이"
#define D302_6004           "오버레이는 프린터에 저장된 양식으로 인쇄됩니다. 여기에 지정한 모든 양식이 프린터에 있는지 확인하십시오."
#define D302_6005           D300_6005
#define D302_1              "확인"
#define D303_CAPTION        "워터마크"
#define D303_6004           "워터마크는 프린터 글꼴로 인쇄됩니다. 인쇄 결과는 미리 보기와 약간 다를 수 있습니다."
#define D303_6005           D300_6005
#define D303_1              "확인"
