// A profile (ini) file read the way the platform's profile functions read
// it, keeping the line of every section and key so that findings can point
// at them. Section and key names compare without regard to ASCII case; a
// section named twice reads as one, and of a key named twice the first
// counts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct NumberedEntry {
    std::u16string key;
    std::u16string value;  // blanks around it and one pair of enclosing quotes removed
    int line = 0;
};

struct NumberedSection {
    std::u16string name;
    int line = 0;
    std::vector<NumberedEntry> entries;
};

struct NumberedProfile {
    std::vector<NumberedSection> sections;  // in file order, repeats included

    // The first section of that name; null when there is none.
    const NumberedSection *Section(std::u16string_view name) const;
    // The key as the profile functions find it; null when it is absent.
    const NumberedEntry *Find(std::u16string_view section, std::u16string_view key) const;
};

// Text with a UTF-16 or UTF-8 byte-order mark is decoded accordingly; other
// text is taken one byte per character.
NumberedProfile ParseNumberedProfile(std::string_view bytes);

bool SameName(std::u16string_view a, std::u16string_view b);
std::u16string Widen(std::string_view ascii);

// A whole number as the integer keys hold it: blanks, one sign, digits.
bool ParseWholeNumber(std::u16string_view text, long long *value);
// The number the profile functions read from the text: its leading digits
// after blanks and one sign, 0 when there are none.
long long LeadingNumber(std::u16string_view text);
