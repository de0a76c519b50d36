#include "formats/CurrencyRate.h"

#include <cmath>

#include "formats/DoubleText.h"

bool CCurrencyRate::ReadPerEuro(std::string_view text, double& perEuro) {
    return DoubleText::Read(text, perEuro) == DoubleText::ReadResult::kNumber &&
           std::isfinite(perEuro) && perEuro > 0.0;
}
