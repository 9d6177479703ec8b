#include "platform/dialogs_filter.h"

#include "platform/qtext.h"

#include <QStringList>

namespace platform {
namespace {

QString qtPatterns(const QString& classic) {
    QStringList patterns;
    for (const QString& piece : classic.split(u';')) {
        QString pattern = piece.trimmed();
        if (pattern.isEmpty()) continue;
        patterns.append(pattern == u"*.*" ? QStringLiteral("*") : pattern);
    }
    return patterns.isEmpty() ? QStringLiteral("*") : patterns.join(u' ');
}

// A description that ends in its own "(*.x)" shows the classic patterns; Qt reads the patterns
// from that group, so it is dropped and written anew.
QString withoutPatternGroup(const QString& description) {
    if (!description.endsWith(u')')) return description;
    qsizetype open = description.lastIndexOf(u'(');
    if (open < 0) return description;
    QStringView group = QStringView(description).sliced(open);
    if (!group.contains(u'*') && !group.contains(u'?')) return description;
    return description.left(open).trimmed();
}

} // namespace

QString qtNameFilter(std::string_view classic) {
    if (classic.empty()) return {};
    const QStringList parts = bytesToQString(classic).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString rawDescription = parts[i].trimmed();
        const QString rawPatterns = i + 1 < parts.size() ? parts[i + 1] : rawDescription;
        const QString patterns = qtPatterns(rawPatterns);
        const QString description = withoutPatternGroup(rawDescription);
        if (description.isEmpty() || description == rawPatterns.trimmed() || description == patterns) {
            filters.append(patterns);
        } else {
            filters.append(description + QStringLiteral(" (") + patterns + u')');
        }
    }
    return filters.join(u";;");
}

} // namespace platform
