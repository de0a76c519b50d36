#include "formats/CurrencyRate.h"

#include "catalogue/UnitRules.h"
#include "formats/DoubleText.h"

bool CCurrencyRate::ReadPerEuro(std::string_view text, double& perEuro) {
    return DoubleText::Read(text, perEuro) == DoubleText::ReadResult::kNumber &&
           CUnitRules::IsCoefficient(perEuro);
}
