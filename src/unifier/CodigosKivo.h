#pragma once
// Translation of ERP codes into the platform's KIVO codes. The codes are
// compared exactly as texts (ignoring case; no trimming, no numeric
// reading): "2" is not "02" and "10.50" is not "10.5". None fails.
#include <string>
#include <string_view>

// ERP province code ("01"..."26") to the platform's; empty when unknown.
std::string ProvinciaSegunKIVO(std::string_view Pcia);
// ERP VAT-condition code ("1"..."6") to the platform's; empty when unknown.
std::string CondIvaSegunKIVO(std::string_view cond);
// VAT rate in percent, "." or "," as decimal mark, to the platform's
// 4-digit rate code; "0006" for any rate it does not know.
std::string CodAlicuota(std::string_view AlicIva);
