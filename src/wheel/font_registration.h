// The glyph font registered for this process while the program runs.
#pragma once

#include <QString>

namespace orvantis {

class FontRegistration {
public:
    // Registers the font file; a missing or unreadable file is ignored (the wheel then draws
    // with a substitute font).
    explicit FontRegistration(const QString& font_file);
    ~FontRegistration() { Remove(); }
    FontRegistration(const FontRegistration&) = delete;
    FontRegistration& operator=(const FontRegistration&) = delete;

    // Removes the registration; safe to call more than once.
    void Remove();

private:
    int id_ = -1;
};

}  // namespace orvantis
