// Korean texts of the string table (UTF-8; rc string literals: a double
// quote is written "", a backslash \\, \n is a line break). Placeholders
// (%d, %%) keep their order and count as in English.
#pragma once

// Advanced dialog (Job Options > Advanced...): entries of the Job
// Compression list.
#define S6001 "없음"
#define S6002 "빠름"
#define S6003 "보통"
#define S6004 "최대 압축"

// Job Options page: allowed range shown beside the Copies and the Scale
// fields; the two numbers are the lower and upper limit, %% is a percent sign.
#define S7000 "( %d-%d )"
#define S7001 "( %d-%d %% )"

// Job Options page: the job type radio buttons (normal, secure, encrypted
// secure); the IC card text replaces the encrypted one when an IC card
// reader is installed.
#define S7007 "일반 인쇄"
#define S7008 "보안 인쇄"
#define S7009 "암호화 보안 인쇄"
#define S7010 "IC 카드 보안 인쇄"

// JOB PIN dialog: message boxes when OK is pressed with a PIN that is not
// four digits, or without a job name.
#define S8000 "4자리 숫자로 된 PIN을 입력하십시오."
#define S8001 "작업 이름을 입력하십시오."

// Overlays dialog: column headings of the two overlay lists, and the limit
// shown beside each list (%d is 4 or 32).
#define S8010 "오버레이"
#define S8011 "페이지"
#define S8012 "(최대 %d개)"

// Define Overlays dialog (Print on Pages list) and the Page column of the
// Overlays dialog: the pages an overlay prints on; then the name a new
// overlay starts with.
#define S8030 "모든 페이지"
#define S8031 "첫 페이지"
#define S8032 "홀수 페이지"
#define S8033 "짝수 페이지"
#define S8034 "사용자 지정"
#define S8035 "새 오버레이"

// Printer properties, Device Settings tree: the push button that reads the
// installed options from the printer (& marks the access key), and the
// progress and result messages of that reading.
#define S8040 "설치된 옵션 자동 가져오기(&G)"
#define S8041 "프린터에서 설치된 옵션을 읽는 중..."
#define S8042 "프린터에서 설치된 옵션을 읽을 수 없습니다.\n프린터의 전원이 켜져 있고 연결되어 있는지 확인하십시오."
#define S8043 "프린터에서 설치된 옵션을 읽었습니다."
#define S8044 "이 프린터의 포트를 통해서는 설치된 옵션을 읽을 수 없습니다."

// Watermarks dialog: first entry of the watermark list (no watermark).
// The next three are not shown: the name of the watermark section in the
// driver's configuration file (kept "Watermark" in every language), the
// printer font of a new watermark (a font name, never translated), and the
// section that keeps the colour chooser's custom colours (translated: each
// language keeps its own set).
#define S8050 "없음"
#define S8051 "Watermark"
#define S8052 "HeiseiMin-W3-90ms-RKSJ-H"
#define S8053 "사용자 지정 색"

// Watermark dialog: the Position list.
#define S8054 "왼쪽 위"
#define S8055 "가운데 위"
#define S8056 "오른쪽 위"
#define S8057 "가운데"
#define S8058 "왼쪽 아래"
#define S8059 "가운데 아래"
#define S8060 "오른쪽 아래"

// Font dialog (Watermark > Font...): the Size list, in points.
#define S8061 "8"
#define S8062 "9"
#define S8063 "10"
#define S8064 "11"
#define S8065 "12"
#define S8066 "14"
#define S8067 "16"
#define S8068 "18"
#define S8069 "20"
#define S8070 "22"
#define S8071 "24"
#define S8072 "26"
#define S8073 "28"
#define S8074 "36"
#define S8075 "48"
#define S8076 "72"

// Font dialog: the Style list.
#define S8077 "보통"
#define S8078 "기울임꼴"
#define S8079 "굵게"
#define S8080 "굵은 기울임꼴"

// ICC Profile Settings dialog: labels, the printer's own profile, the
// rendering intents, and the file type of the profile chooser.
#define S9000 "ICC 프로필 설정"
#define S9001 "프린터 기본값"
#define S9002 "RGB 원본 프로필"
#define S9003 "프린터 출력 프로필"
#define S9004 "렌더링 의도"
#define S9005 "지각적"
#define S9006 "채도"
#define S9007 "상대 색도계"
#define S9008 "절대 색도계"
#define S9009 "ICC 프로필 (*.icc, *.icm)"

// ICC Profile Settings dialog: message boxes.
#define S9101 "선택한 프로필을 찾을 수 없습니다."
#define S9102 "선택한 파일은 올바른 ICC 프로필이 아닙니다."
#define S9103 "프로필을 설치할 수 없습니다.\n색 프로필을 설치하려면 관리자 권한이 필요할 수 있습니다."
#define S9104 "이 프로필은 이미 설치되어 있습니다."
#define S9105 "선택한 프로필을 목록에서 제거하시겠습니까?"

// Overlays and Define Overlays dialogs: message boxes. The quoted names
// match the texts of those controls ("Form Name", "Add") and the option
// names the printer description gives ("Create Form", "PostScript output
// option", "EPS", "Optimise for speed"), which are English.
#define S10020 "같은 이름의 오버레이가 이미 정의되어 있습니다.\n다른 이름을 선택하십시오."
#define S10021 "사용할 PostScript 양식의 이름을 ""양식 이름""에 입력한 다음 ""추가""를 클릭하십시오.\n이 이름은 프린터에 저장된 양식의 이름과 정확히 같아야 합니다."
#define S10022 """Create Form""을 선택하면 고급 옵션의 ""PostScript output option""이 자동으로 ""EPS""로 설정됩니다.\n오버레이 인쇄를 취소하기로 한 경우에는 이 설정을 ""Optimise for speed""로 되돌리십시오."
#define S10023 "오버레이 이름을 입력하십시오."
#define S10024 "잘못된 문자 '.'"
#define S10025 "오버레이 하나에는 양식을 3개까지 넣을 수 있습니다."
#define S10026 "오버레이는 최대 32개까지 정의할 수 있습니다.\n새 오버레이를 만들기 전에\n기존 오버레이 중 하나를 삭제하십시오."
#define S10027 "한 작업에 오버레이를 4개까지 사용할 수 있습니다."

// Watermarks dialog: message boxes; "Warning" is the title bar of every
// warning message of the plug-in.
#define S10040 "워터마크는 최대 16개까지 저장할 수 있습니다.\n새 워터마크를 만들기 전에\n기존 워터마크 중 하나를 삭제하거나 편집하십시오."
#define S10041 "경고"
#define S10042 "워터마크 글꼴 목록을 찾을 수 없습니다.\n워터마크는 프린터의 기본 글꼴로 인쇄됩니다."

// Message boxes when a page or dialog is left with wrong values (%d: lower
// and upper limit), when a secure job asks for one copy, and for the Color
// Tuner Utility.
#define S10050 "하나 이상의 설정이 잘못되었습니다."
#define S10051 "%d에서 %d 사이의 값을 입력하십시오."
#define S10052 "숫자를 입력하십시오."
#define S10054 "이 기능은 매수가 1로 설정된 경우에만 사용할 수 있습니다.\n보안 인쇄 및 SD에 저장의 경우 프린터 조작부에서 여러 부를 선택할 수 있습니다."
#define S10055 "이 기능을 사용하려면 색상 조정 도구(Color Tuner Utility)를 설치하십시오."
#define S10056 "색상 조정 도구의 설정을 읽을 수 없습니다."

// Color page: message box when the colour-sample utility is missing;
// "Error" is the title bar of error messages.
#define S10060 "이 기능을 사용하려면 색상 견본 도구(Color Hueboard Utility)를 설치하십시오."
#define S10061 "오류"

// Job Options page: secure-print notices.
#define S20002 "보안 인쇄를 하려면 프린터의 하드 디스크가 필요합니다.\n이 작업은 일반 작업으로 인쇄됩니다."
#define S20003 "작업 제한이 설정되어 있습니다. 이 프린터에는 암호화 보안 인쇄 작업만 보낼 수 있습니다."
#define S20004 "암호화 모듈을 불러올 수 없습니다.\n암호화 보안 인쇄를 사용할 수 없습니다."
#define S20005 "IC 카드 드라이버가 설치되어 있지 않습니다.\nIC 카드 보안 인쇄를 사용할 수 없습니다."
#define S20006 "저장된 암호를 해독할 수 없습니다.\n암호를 다시 입력하십시오."

// Title bar of information messages.
#define S30010 "정보"

// Special toner details: the line above the dialog, naming the special
// toner installed (none, White, Clear).
#define S8082 "특수 토너가 설치되어 있지 않습니다."
#define S8083 "설치된 특수 토너: 흰색"
#define S8084 "설치된 특수 토너: 투명"

// Print position adjustment: the tabs of the front and back of a sheet.
#define S8100 "앞면"
#define S8101 "뒷면"
