// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Impression.h"

#include <QFileDialog>
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "Lemmatiseur.h"

int EnPoints(int pixels, int dpi) {
    return static_cast<int>(std::lround(pixels * dpi / PIXELS_PAR_POUCE));
}

QRect ImprimerImage(QPrinter& imprimante, const QPixmap& image) {
    QPainter peintre;
    if (!peintre.begin(&imprimante)) {
        return {};
    }
    const QSizeF taille = image.deviceIndependentSize();
    const QRect cible(
        0, 0, EnPoints(static_cast<int>(std::lround(taille.width())), imprimante.logicalDpiX()),
        EnPoints(static_cast<int>(std::lround(taille.height())), imprimante.logicalDpiY()));
    peintre.drawPixmap(cible, image);
    peintre.end();
    return cible;
}

QString NomFichierPdf(const QString& mot) {
    if (mot.isEmpty()) {
        return QStringLiteral("adjora.pdf");
    }
    QString nom = mot.left(static_cast<int>(TAILLE_MOT) - 1); // what the analysis reads
    for (QChar& c : nom) {
        if (!c.isLetterOrNumber() && c != u'-' && c != u'\'' && c != u'.') {
            c = u'_';
        }
    }
    return QStringLiteral("adjora-%1.pdf").arg(nom);
}

QString DialogueFichierPdf(QWidget* proprietaire, const QString& propose) {
    QFileDialog dialogue(proprietaire, QStringLiteral("Enregistrer la fenêtre en PDF"));
    dialogue.setObjectName(QStringLiteral("DialoguePdf"));
    dialogue.setOption(QFileDialog::DontUseNativeDialog); // Qt's own, in French as the rest
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setFileMode(QFileDialog::AnyFile);
    dialogue.setNameFilter(QStringLiteral("Documents PDF (*.pdf)"));
    dialogue.setDefaultSuffix(QStringLiteral("pdf"));
    dialogue.selectFile(propose);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) {
        return {};
    }
    return dialogue.selectedFiles().constFirst();
}

QRect EnregistrerImagePdf(const QString& fichier, const QPixmap& image) {
    QPrinter pdf(QPrinter::HighResolution); // as a printer would be opened
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(fichier);
    return ImprimerImage(pdf, image);
}
