// The program's runs as a child under another user language.
#pragma once

// True in a child started by the user-language cases: only the
// InUserLanguage cases make sense there.
bool IsUserLanguageChild();
