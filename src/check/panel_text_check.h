// Whether a text shows whole in a message panel, with every word on one line.
#pragma once

#include <string>
#include <string_view>

// "" if `text` shows whole in a panel with no word split across two panel lines; else what goes
// wrong: the text is cut after the panel's last line, or a line too long for the panel breaks a
// word where the panel wraps it.
std::string panel_text_fault(std::string_view text);
