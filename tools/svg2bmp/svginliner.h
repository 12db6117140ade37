// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDir>
#include <QDomDocument>
#include <QHash>
#include <QString>

// Turns a picture that borrows shared parts from other SVG files
// (<use xlink:href="parts.svg#face"/>) into one self-contained document,
// because Qt SVG only follows references inside the file it renders. Give it
// the assets folder once, then call inlineFile() for each picture; on success
// document() holds the result, on failure errorString() says why. Every file
// it reads must lie inside the assets folder: a reference that leaves it, an
// external reference from anything but <use>, a DOCTYPE or a CSS @import is
// refused, so a picture can never pull in a file from elsewhere.
class SvgInliner
{
public:
    explicit SvgInliner(const QString &assetsDir);

    bool inlineFile(const QString &sourcePath);

    QByteArray document() const { return m_document; }
    QString errorString() const { return m_error; }

private:
    struct Source
    {
        QDomDocument document;
        QHash<QString, QDomElement> elementsById;
    };

    bool fail(const QString &message);
    QString resolveInsideAssets(const QString &reference, const QString &fromDir);
    const Source *load(const QString &canonicalPath);
    bool checkStyleSheets(const QDomElement &root, const QString &path);
    bool rewriteReferences(QDomElement element, const QString &path, bool borrowed);
    bool importPart(const QString &canonicalPath, const QString &id);

    QString m_assetsDir;
    QDir m_assets;
    QHash<QString, Source> m_sources;
    QDomDocument m_target;
    QDomElement m_importedDefs;
    QHash<QString, QString> m_importedFrom;
    QByteArray m_document;
    QString m_error;
};
