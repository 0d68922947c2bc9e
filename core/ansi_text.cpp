#include "core/ansi_text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace {

constexpr const char* kAnsiCodeset = "GBK";

// An iconv descriptor for one conversion, closed when it goes out of scope.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("iconv cannot convert between UTF-8 and GBK");
        }
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input. At a sequence the target cannot hold (or the source does not
    // define), `skip(in, left)` says how many input bytes to drop and `replacement` is written.
    template <typename Skip>
    QByteArray convert(const QByteArray& input, const QByteArray& replacement, Skip skip) {
        QByteArray out;
        out.reserve(input.size() * 2 + 8);
        char* in = const_cast<char*>(input.constData());
        size_t inLeft = static_cast<size_t>(input.size());
        char buffer[4096];
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            size_t rc = iconv(m_cd, &in, &inLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<int>(dst - buffer));
            if (rc != static_cast<size_t>(-1)) {
                continue;
            }
            if (errno == E2BIG) {
                continue;
            }
            // EILSEQ or EINVAL: drop the offending sequence and write the replacement.
            size_t drop = std::min(inLeft, skip(in, inLeft));
            in += drop;
            inLeft -= drop;
            out.append(replacement);
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t m_cd;
};

// Length of the UTF-8 sequence starting at p (1 for a stray byte).
size_t Utf8SequenceLength(const char* p, size_t left) {
    const auto lead = static_cast<unsigned char>(*p);
    size_t length = 1;
    if (lead >= 0xF0) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = 3;
    } else if (lead >= 0xC0) {
        length = 2;
    }
    return std::min(length, left);
}

}  // namespace

QByteArray ToAnsi(const QString& text) {
    Converter converter(kAnsiCodeset, "UTF-8");
    return converter.convert(text.toUtf8(), QByteArrayLiteral("?"), Utf8SequenceLength);
}

Bytes ToAnsiBytes(const QString& text) {
    const QByteArray ansi = ToAnsi(text);
    return Bytes(ansi.begin(), ansi.end());
}

QString FromAnsi(const QByteArray& bytes) {
    Converter converter("UTF-8", kAnsiCodeset);
    // GBK characters are one byte (ASCII) or two; drop one byte of a bad pair and go on.
    const QByteArray utf8 =
        converter.convert(bytes, QByteArrayLiteral("\xEF\xBF\xBD"), [](const char*, size_t) {
            return size_t{1};
        });
    return QString::fromUtf8(utf8);
}

bool IsValidUtf8(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p;
        int extra = 0;
        char32_t code = 0;
        if (c < 0x80) {
            ++p;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        if (end - p <= extra) {
            return false;
        }
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (p[i] & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
        if (code < kMinimum[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        p += extra + 1;
    }
    return true;
}

QString DecodeFileText(const QByteArray& bytes) {
    if (IsValidUtf8(bytes)) {
        QByteArray body = bytes;
        if (body.startsWith("\xEF\xBB\xBF")) {
            body.remove(0, 3);
        }
        return QString::fromUtf8(body);
    }
    return FromAnsi(bytes);
}
