#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

class QIODevice;

// Text of an import file: by byte-order mark, else strict UTF-8, else
// Windows-1252. Never fails.
QString decodeImportText(const QByteArray &bytes);

enum class ImportEncoding { Utf8Mark, Utf16LEMark, Utf16BEMark, Utf8, Windows1252 };

// The encoding decodeImportText chooses, found by reading the device from its
// current position in pieces, so that a file of any size is never held whole.
ImportEncoding detectImportEncoding(QIODevice *device);
ImportEncoding detectImportEncoding(QByteArrayView bytes);

// Decodes the bytes of a file piece by piece: the texts of all pieces and of
// finish() together are what decodeImportText gives for the whole content,
// wherever the pieces are cut.
class ImportTextDecoder
{
public:
    explicit ImportTextDecoder(ImportEncoding encoding);

    QString decode(QByteArrayView bytes);
    QString finish();

private:
    QString decodeUtf8(QByteArrayView bytes);

    ImportEncoding m_encoding;
    qsizetype m_markLeft = 0;
    // The start of a sequence that the next piece may complete.
    QByteArray m_carry;
    bool m_atStart = true;
    QStringDecoder m_utf16;
};
