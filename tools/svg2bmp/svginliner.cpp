// SPDX-License-Identifier: MIT
#include "svginliner.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace {

// Our sources are a few kilobytes; anything this large is not a picture of ours.
constexpr qint64 MaxSourceBytes = 4 * 1024 * 1024;

bool isHrefAttribute(const QString &name)
{
    return name == QLatin1String("href") || name == QLatin1String("xlink:href");
}

bool staysInsideDocument(const QString &reference)
{
    return reference.isEmpty() || reference.startsWith(u'#') || reference.startsWith(QLatin1String("data:"));
}

// The targets of every url(...) in an attribute value, such as fill="url(#skin)".
QStringList urlTargets(const QString &value)
{
    static const QRegularExpression url(QStringLiteral(R"(url\(\s*['"]?([^)'"]*))"));
    QStringList targets;
    for (auto it = url.globalMatch(value); it.hasNext();)
        targets << it.next().captured(1).trimmed();
    return targets;
}

void indexIds(const QDomElement &element, QHash<QString, QDomElement> &index)
{
    if (element.hasAttribute(QStringLiteral("id")))
        index.insert(element.attribute(QStringLiteral("id")), element);
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        indexIds(child, index);
}

QString localUseTarget(const QDomElement &element)
{
    if (element.tagName() != QLatin1String("use"))
        return {};
    QString href = element.attribute(QStringLiteral("xlink:href"), element.attribute(QStringLiteral("href")));
    return href.startsWith(u'#') ? href.mid(1) : QString();
}

// A <use> that shows, however indirectly, an element containing itself would
// make the renderer recurse without end.
QString findUseCycle(const QDomElement &element, const QHash<QString, QDomElement> &index,
                     QStringList &path, QSet<QString> &cleared)
{
    if (const QString id = localUseTarget(element); !id.isEmpty() && !cleared.contains(id)) {
        if (path.contains(id))
            return (path << id).join(QLatin1String(" → "));
        if (const QDomElement target = index.value(id); !target.isNull()) {
            path << id;
            if (QString cycle = findUseCycle(target, index, path, cleared); !cycle.isEmpty())
                return cycle;
            path.removeLast();
            cleared.insert(id);
        }
    }
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        const QString id = child.attribute(QStringLiteral("id"));
        if (!id.isEmpty())
            path << id;
        if (QString cycle = findUseCycle(child, index, path, cleared); !cycle.isEmpty())
            return cycle;
        if (!id.isEmpty())
            path.removeLast();
    }
    return {};
}

} // namespace

SvgInliner::SvgInliner(const QString &assetsDir)
    : m_assetsDir(assetsDir)
{
}

bool SvgInliner::inlineFile(const QString &sourcePath)
{
    m_document.clear();
    m_error.clear();
    m_importedFrom.clear();
    const QDir assets(m_assetsDir);
    if (m_assetsDir.isEmpty() || !assets.exists())
        return fail(QStringLiteral("the assets folder \"%1\" does not exist").arg(m_assetsDir));
    m_assets.setPath(assets.canonicalPath());

    const QString path = resolveInsideAssets(sourcePath, QDir::currentPath());
    if (path.isEmpty())
        return false;
    const Source *source = load(path);
    if (!source)
        return false;

    m_target = source->document.cloneNode(true).toDocument();
    QDomElement root = m_target.documentElement();
    if (root.tagName() != QLatin1String("svg"))
        return fail(QStringLiteral("%1 is not an SVG document").arg(path));
    for (auto it = source->elementsById.cbegin(); it != source->elementsById.cend(); ++it)
        m_importedFrom.insert(it.key(), path);

    // Borrowed parts go first, so every <use> finds its target already defined.
    m_importedDefs = m_target.createElement(QStringLiteral("defs"));
    root.insertBefore(m_importedDefs, QDomNode());
    if (!rewriteReferences(root, path, false))
        return false;

    QHash<QString, QDomElement> index;
    indexIds(root, index);
    QStringList usePath;
    QSet<QString> cleared;
    if (const QString cycle = findUseCycle(root, index, usePath, cleared); !cycle.isEmpty())
        return fail(QStringLiteral("%1: <use> shows itself through %2").arg(path, cycle));

    m_document = m_target.toByteArray(1);
    return true;
}

bool SvgInliner::fail(const QString &message)
{
    m_error = message;
    return false;
}

QString SvgInliner::resolveInsideAssets(const QString &reference, const QString &fromDir)
{
    if (reference.contains(QLatin1String("://"))) {
        fail(QStringLiteral("\"%1\" is not a file in the assets folder").arg(reference));
        return {};
    }

    // Judge the written path before touching the file system, so nothing
    // outside the folder is even looked at; then judge where symbolic links lead.
    const QString assets = m_assets.path() + u'/';
    const QString written = QDir::cleanPath(QDir(fromDir).absoluteFilePath(reference));
    if (!written.startsWith(assets)) {
        fail(QStringLiteral("\"%1\" lies outside the assets folder %2").arg(reference, m_assets.path()));
        return {};
    }
    const QFileInfo info(written);
    if (!info.isFile()) {
        fail(QStringLiteral("cannot find the file \"%1\"").arg(reference));
        return {};
    }
    const QString canonical = info.canonicalFilePath();
    if (!canonical.startsWith(assets)) {
        fail(QStringLiteral("\"%1\" leads outside the assets folder %2").arg(reference, m_assets.path()));
        return {};
    }
    return canonical;
}

const SvgInliner::Source *SvgInliner::load(const QString &canonicalPath)
{
    if (auto it = m_sources.constFind(canonicalPath); it != m_sources.cend())
        return &it.value();

    QFile file(canonicalPath);
    if (file.size() > MaxSourceBytes) {
        fail(QStringLiteral("%1 is too large for a picture source").arg(canonicalPath));
        return nullptr;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read %1: %2").arg(canonicalPath, file.errorString()));
        return nullptr;
    }
    const QByteArray bytes = file.readAll();

    // A document type may declare entities that point at other files.
    if (bytes.contains("<!DOCTYPE") || bytes.contains("<!ENTITY")) {
        fail(QStringLiteral("%1 declares a DOCTYPE, which is not accepted").arg(canonicalPath));
        return nullptr;
    }

    Source source;
    QString message;
    int line = 0;
    int column = 0;
    if (!source.document.setContent(bytes, &message, &line, &column)) {
        fail(QStringLiteral("%1:%2:%3: %4").arg(canonicalPath).arg(line).arg(column).arg(message));
        return nullptr;
    }
    if (!checkStyleSheets(source.document.documentElement(), canonicalPath))
        return nullptr;
    indexIds(source.document.documentElement(), source.elementsById);
    return &m_sources.insert(canonicalPath, source).value();
}

bool SvgInliner::checkStyleSheets(const QDomElement &root, const QString &path)
{
    const QDomNodeList styles = root.elementsByTagName(QStringLiteral("style"));
    for (int i = 0; i < styles.size(); ++i) {
        if (styles.at(i).toElement().text().contains(QLatin1String("@import")))
            return fail(QStringLiteral("%1: a style sheet may not @import another file").arg(path));
    }
    return true;
}

bool SvgInliner::rewriteReferences(QDomElement element, const QString &path, bool borrowed)
{
    const QDomNamedNodeMap attributes = element.attributes();
    for (int i = 0; i < attributes.size(); ++i) {
        QDomAttr attribute = attributes.item(i).toAttr();
        const QString value = attribute.value();

        for (const QString &target : urlTargets(value)) {
            if (!target.startsWith(u'#'))
                return fail(QStringLiteral("%1: url(%2) must name an element of the same file").arg(path, target));
            if (borrowed && !importPart(path, target.mid(1)))
                return false;
        }

        if (!isHrefAttribute(attribute.name()))
            continue;
        if (staysInsideDocument(value)) {
            // A borrowed part's own references point into the file it came from.
            if (borrowed && value.startsWith(u'#') && !importPart(path, value.mid(1)))
                return false;
            continue;
        }
        if (element.tagName() != QLatin1String("use"))
            return fail(QStringLiteral("%1: <%2> refers to \"%3\"; only <use> may borrow from another file")
                            .arg(path, element.tagName(), value));
        const QString file = value.section(u'#', 0, 0);
        const QString id = value.section(u'#', 1);
        if (id.isEmpty())
            return fail(QStringLiteral("%1: \"%2\" names no element (write file.svg#id)").arg(path, value));
        const QString partPath = resolveInsideAssets(file, QFileInfo(path).absolutePath());
        if (partPath.isEmpty() || !importPart(partPath, id))
            return false;
        attribute.setValue(u'#' + id);
    }

    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        if (child != m_importedDefs && !rewriteReferences(child, path, borrowed))
            return false;
    }
    return true;
}

bool SvgInliner::importPart(const QString &canonicalPath, const QString &id)
{
    if (auto it = m_importedFrom.constFind(id); it != m_importedFrom.cend()) {
        if (it.value() == canonicalPath)
            return true;
        return fail(QStringLiteral("the id \"%1\" is defined both in %2 and in %3").arg(id, it.value(), canonicalPath));
    }
    const Source *source = load(canonicalPath);
    if (!source)
        return false;
    const QDomElement part = source->elementsById.value(id);
    if (part.isNull())
        return fail(QStringLiteral("%1 has no element with the id \"%2\"").arg(canonicalPath, id));

    QHash<QString, QDomElement> nested;
    indexIds(part, nested);
    for (auto it = nested.cbegin(); it != nested.cend(); ++it) {
        const QString owner = m_importedFrom.value(it.key(), canonicalPath);
        if (owner != canonicalPath)
            return fail(QStringLiteral("the id \"%1\" is defined both in %2 and in %3").arg(it.key(), owner, canonicalPath));
        m_importedFrom.insert(it.key(), canonicalPath);
    }

    QDomElement copy = m_target.importNode(part, true).toElement();
    m_importedDefs.appendChild(copy);
    return rewriteReferences(copy, canonicalPath, true);
}
