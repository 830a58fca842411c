#pragma once

#include "services/importtext.h"
#include "services/qifparser.h"

#include <memory>

class QifRecordStore;

// Reads the text of one QIF file, handed over in pieces, into a record
// store, line by line as the parser's rules say. What a line, a record or
// its splits may hold is bounded, so that no file can take more memory
// than a small multiple of its size: past a limit the file is refused.
class QifReader : public ImportTextSink
{
public:
    // Payees, memos and names are a few dozen characters.
    static constexpr qsizetype kMaxLineLength = 65536;
    // A record with its split lines, from its first line to its "^".
    static constexpr qsizetype kMaxRecordLength = 1024 * 1024;
    static constexpr int kMaxSplits = 10000;

    explicit QifReader(QifDateOrder dateOrder = QifDateOrder::Auto);
    ~QifReader() override;

    bool take(QStringView text) override;
    bool end() override;
    void restart() override;

    // Once ended: the file's records, their dates in the order given, or
    // for Auto in the one the file's dates show.
    std::shared_ptr<QifRecordStore> store() const;
    // Set when the file was refused.
    const ImportFileRefusal &refusal() const { return m_refusal; }

private:
    struct State;

    bool endLine();
    bool refuse(ImportFileRefusal::Reason reason, qsizetype line, qsizetype limit);

    QifDateOrder m_dateOrder;
    std::unique_ptr<State> m_state;
    ImportFileRefusal m_refusal;

    QString m_line; // NUL characters left out
    qsizetype m_lineLength = 0; // in characters, NUL included
    qsizetype m_lineNumber = 1;
    bool m_afterCr = false;
};
