// What each dialog template of the plug-in must carry in every language: the
// controls its dialog procedure addresses, their kind, the styles the
// procedure relies on, the fixed English texts and the layout in dialog
// units where the layout is fixed.
#pragma once

#include <cstdint>
#include <vector>

enum class ControlKind {
    PushButton,  // plain or default
    DefaultPushButton,
    CheckBox,  // manual or automatic
    AutoCheckBox,
    Radio,  // manual or automatic
    AutoRadio,
    GroupBox,
    Label,
    Icon,
    EtchedLine,
    OwnerDrawn,
    Edit,
    UpDown,
    DropDownList,
    DropDownCombo,
    ListBox,
    ListView,
    TrackBar,
    HorizontalScrollBar,
    TabControl,
};

enum ControlTrait : uint32_t {
    kPlain = 0,
    kDisabled = 1u << 0,
    kCentred = 1u << 1,
    kStartsGroup = 1u << 2,
    kMultiline = 1u << 3,
    kSetsBuddyInt = 1u << 4,
    kNoThousands = 1u << 5,
    kReportView = 1u << 6,
    kUnsorted = 1u << 7,
    kNotifies = 1u << 8,
    kVerticalScroll = 1u << 9,
    kAutoTicks = 1u << 10,
};

// A coordinate the layout leaves open.
constexpr int kFree = -32768;
// The id of controls nobody addresses.
constexpr int kAnyStaticId = -1;

struct DialogUnits {
    int x = kFree, y = kFree, cx = kFree, cy = kFree;
};

struct ExpectedControl {
    int id;
    ControlKind kind;
    uint32_t traits;
    const wchar_t *englishText;  // null: the text is not fixed
    int buddy;                   // up-down controls: the edit they drive; 0 otherwise
    DialogUnits place;
};

struct ExpectedTemplate {
    int id;
    const wchar_t *englishCaption;  // null: not fixed
    int cx, cy;                     // kFree: not fixed
    std::vector<ExpectedControl> controls;
};

// Two controls of one template whose fixed English texts share a mnemonic.
struct KnownMnemonicClash {
    int templateId;
    int first, second;
};

// A control whose fixed English text and fixed size leave the text a few
// pixels wider than the control in the test prefix's dialog font. The
// English copy may overflow by at most `pixels`; translations must fit.
struct KnownFixedOverflow {
    int templateId;
    int controlId;
    int pixels;
};

const std::vector<ExpectedTemplate> &ExpectedTemplates();
const ExpectedTemplate *FindExpectedTemplate(int id);
const std::vector<KnownMnemonicClash> &KnownMnemonicClashes();
const std::vector<KnownFixedOverflow> &KnownFixedOverflows();
