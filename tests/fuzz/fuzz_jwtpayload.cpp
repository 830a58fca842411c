// Access-token payloads: the expiry, subject and the program's own claims are
// read from JSON the program did not write.
#include "fuzz/fuzzsupport.h"

#include "account/jwt.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    QString token;
    if (FuzzSupport::takeChoice(input, 4) == 0) {
        token = QString::fromUtf8(input); // the whole token as it arrived
    } else {
        token = QStringLiteral("eyJhbGciOiJIUzI1NiJ9.")
                + QString::fromLatin1(input.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals))
                + QStringLiteral(".c2lnbmF0dXJl");
    }
    const qint64 expiry = LumoAccount::jwtExpiry(token);
    FuzzSupport::require(expiry >= -(qint64(1) << 53) && expiry <= (qint64(1) << 53),
                         "an expiry is a whole number of seconds a double holds exactly");
    LumoAccount::jwtSubject(token);
    LumoAccount::parseClaims(token);
    return 0;
}
