#pragma once
#include "engine/VXFService.h"
#include "foundation/VXMoney.h"
#include <QString>

namespace vx {

// The word forms of a currency for amounts in words (see TCurrencyWordForms): the record of the
// currency's row, or an empty one (no words, no decimals) when the currency table lacks it.
TCurrencyWordForms CurrencyWordForms(int currency);

// The amount in Russian words with the currency's unit word and its fraction in digits with the
// fraction word: "Сто двадцать три рубля 45 копеек". The sign is never written; an amount above
// 999 999 999 999 999 gives an empty text.
QString AmountInWords(const TCurrencyWordForms& forms, TMoney amount);

} // namespace vx
