#include "support/control_states.h"

#include "support/dialog_input.h"

namespace dialog_input {

namespace {

template <typename Value, typename Read>
std::vector<Value> EachControl(HWND dialog, const std::vector<UINT> &ids, Read read) {
    std::vector<Value> values;
    for (UINT id : ids) values.push_back(read(dialog, id));
    return values;
}

bool IsShown(HWND dialog, UINT id) {
    return (GetWindowLongW(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace

std::vector<bool> Enabled(HWND dialog, const std::vector<UINT> &ids) {
    return EachControl<bool>(dialog, ids, [](HWND d, UINT id) { return Enabled(d, id); });
}

std::vector<bool> Checked(HWND dialog, const std::vector<UINT> &ids) {
    return EachControl<bool>(dialog, ids, [](HWND d, UINT id) { return Checked(d, id); });
}

std::vector<bool> Shown(HWND dialog, const std::vector<UINT> &ids) {
    return EachControl<bool>(dialog, ids, IsShown);
}

std::vector<std::wstring> Texts(HWND dialog, const std::vector<UINT> &ids) {
    return EachControl<std::wstring>(dialog, ids, [](HWND d, UINT id) { return Text(d, id); });
}

void Click(HWND dialog, UINT id) { SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0); }

}  // namespace dialog_input
