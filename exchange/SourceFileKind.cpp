#include "exchange/SourceFileKind.h"

#include <cstring>
#include <fstream>

#include "exchange/DbfTable.h"

namespace {

const char kSqliteSignature[] = "SQLite format 3";
const char kJetSignature[] = "Standard Jet DB";
const char kAceSignature[] = "Standard ACE DB";
const size_t kJetSignatureAt = 4;

bool HasAt(const char* bytes, size_t count, size_t at, const char* signature)
{
    const size_t length = strlen(signature);
    return at + length <= count && memcmp(bytes + at, signature, length) == 0;
}

}  // namespace

CSourceFileKind::Kind CSourceFileKind::Detect(const CString& path)
{
    char bytes[32] = {};
    std::ifstream file(path.GetString(), std::ios::binary);
    file.read(bytes, sizeof bytes);
    const size_t count = static_cast<size_t>(file.gcount());
    if (HasAt(bytes, count, 0, kSqliteSignature))
        return kSqlite;
    if (HasAt(bytes, count, kJetSignatureAt, kJetSignature) || HasAt(bytes, count, kJetSignatureAt, kAceSignature))
        return kJet;
    // A table header is 32 bytes; a shorter file is no table.
    if (count == sizeof bytes && CDbfTable::IsTableSignature(static_cast<unsigned char>(bytes[0])))
        return kDbf;
    return kRefused;
}
