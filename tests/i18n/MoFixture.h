// Builds catalogue bytes for the tests: sorted ids, either byte order, and helpers that
// write files, so that malformed catalogues can be made on purpose.
#pragma once

#include "platform/rtl/Types.h"

#include <QString>
#include <string>
#include <utility>
#include <vector>

namespace fixture {

using Messages = std::vector<std::pair<std::string, std::string>>;

// A catalogue with the header entry (Content-Type with Charset) and Messages.
std::vector<Byte> BuildMo(Messages messages, bool bigEndian = false, const std::string& charset = "UTF-8");
// The 32-bit field at Offset in the given byte order.
void Patch32(std::vector<Byte>& bytes, std::size_t offset, Cardinal value, bool bigEndian = false);
void WriteFile(const QString& path, const std::vector<Byte>& bytes);
std::vector<Byte> ReadFile(const QString& path);
// The catalogue that msgfmt built for a language in the test locale folder.
QString TestCatalogue(const QString& lang);
// Creates <root>/<folder>/LC_MESSAGES/<domain>.mo with bytes.
void PutCatalogue(const QString& root, const QString& folder, const std::vector<Byte>& bytes,
                  const QString& domain = QStringLiteral("default"));

} // namespace fixture
