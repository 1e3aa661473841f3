#pragma once
// The program's UTF-8 text as ODBC's wide characters (UTF-16), and back.
//
// Every text goes to and comes from the driver in this form: through the
// ANSI calls, the driver manager and FreeTDS read the program's bytes in
// their own default character set (the connection string before its
// ClientCharset is even seen), so a user, password, database name or SQL
// literal with "ñ" would reach the server garbled, and a login would fail.
// Bytes that are not UTF-8 are taken as Windows-1252, as the program reads
// texts from ANSI sources; unpaired surrogates become U+FFFD.
#include <sql.h>
#include <sqlext.h>

#include <string>
#include <string_view>

std::basic_string<SQLWCHAR> TextoAncho(std::string_view utf8);
std::string DesdeAncho(const SQLWCHAR* texto, size_t caracteres);
std::string DesdeAncho(const std::basic_string<SQLWCHAR>& texto);
