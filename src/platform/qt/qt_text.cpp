#include "platform/qt/qt_text.hpp"

#include <string>

namespace quillo::qt {

QString displayText(const Text& gbkText) {
    const std::string utf8 = utf8FromGbk(gbkText);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString sourceText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

Text addressText(const QString& address) {
    if (address.isEmpty()) {
        return {};
    }
    const QByteArray encoded = QUrl(address).toEncoded();
    return textFromBytes(
        std::string_view(encoded.constData(), static_cast<std::size_t>(encoded.size())));
}

QUrl addressUrl(const Text& gbkAddress) {
    const QString address = displayText(gbkAddress).trimmed();
    if (address.isEmpty()) {
        return QUrl(QStringLiteral("about:blank"));
    }
    if (address.startsWith(QLatin1Char('/'))) {
        return QUrl::fromLocalFile(address);
    }
    return QUrl(address);
}

}  // namespace quillo::qt
