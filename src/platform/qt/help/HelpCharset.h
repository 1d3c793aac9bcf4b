#pragma once

#include <string>
#include <string_view>

namespace bellmora {

// The character set that an HTML page declares in a <meta> tag near its start
// (charset=... or content="text/html; charset=..."), in lower case; empty when it
// declares none.
std::string DeclaredCharset(std::string_view html);

// Maps the names a Japanese page may give for Shift-JIS to the one name of the code page
// Windows really writes (which adds NEC and IBM characters to Shift-JIS); other names
// come back unchanged.
std::string CodePageName(std::string_view charset);

}  // namespace bellmora
