#include "platform/translate.h"

#include "platform/text.h"

#include <QCoreApplication>

namespace platform {

std::string Fill(const std::string& text, std::initializer_list<std::string> pieces)
{
    std::string filled;
    filled.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const size_t n = static_cast<size_t>(text[i + 1] - '1');
            if (n < pieces.size()) {
                filled += *(pieces.begin() + n);
                ++i;
                continue;
            }
        }
        filled += c;
    }
    return filled;
}

std::string Tr(const char* context, const char* english)
{
    return QCoreApplication::translate(context, english).toStdString();
}

} // namespace platform
