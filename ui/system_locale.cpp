#include "ui/system_locale.h"

#include <QLocale>

namespace quorvel {

NumberLocale SystemNumberLocale() {
    const QLocale system = QLocale::system();
    return {system.decimalPoint().toStdString(), system.groupSeparator().toStdString(),
            system.currencySymbol(QLocale::CurrencySymbol).toStdString()};
}

}  // namespace quorvel
