// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/qt/place_finder.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>

#include "settings/dialog_fields.h"
#include "ui_place_finder.h"

namespace orvanta::settings {

namespace {

// What to do when the list does not hold the place.
const QString kNothingFound = QStringLiteral(
    "Bu adla bir yer bulunamadı. Yer listede yoksa bu pencereyi kapatın, "
    "\u00abListe\u00bb kutusunu boşaltın ve Enlem, Boylam (derece, kuzey ve doğu artı) "
    "ile Saat Farkı'nı elle yazın; değerleri bir haritadan okuyabilirsiniz.");

}  // namespace

// The places found, one row each: row number, name (with the other name
// the query found, "Cologne (Köln)"), region, country, IANA zone, offset,
// latitude, longitude.
class PlaceTableModel : public QAbstractTableModel {
public:
    enum Column { Row, Name, Region, Country, Zone, Offset, Latitude, Longitude, kColumns };

    void show(std::vector<const PlaceEntry*> shown, const QString& query) {
        beginResetModel();
        shown_ = std::move(shown);
        query_ = query.toStdString();
        endResetModel();
    }
    const PlaceEntry* at(int row) const {
        return row >= 0 && row < rowCount() ? shown_[static_cast<std::size_t>(row)] : nullptr;
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(shown_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : kColumns; }

    QVariant data(const QModelIndex& index, int role) const override {
        const PlaceEntry* entry = at(index.row());
        if (entry == nullptr) return {};
        const bool isText = index.column() >= Name && index.column() <= Zone;
        if (role == Qt::TextAlignmentRole) {
            return isText ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        }
        if (role == Qt::ToolTipRole && index.column() == Name) return otherNamesText(entry->place);
        if (role != Qt::DisplayRole) return {};
        const PlaceRecord& place = entry->place;
        switch (index.column()) {
            case Row: return entry->row;
            case Name: return nameText(*entry);
            case Region: return QString::fromStdString(place.regionName);
            case Country: return QString::fromStdString(place.countryName);
            case Zone: return QString::fromStdString(place.ianaZone);
            case Offset: return QString::fromStdString(zoneHoursText(place.timeZoneMinutes)).trimmed();
            case Latitude: return QString::fromStdString(degreesText(place.latitude)).trimmed();
            default: return QString::fromStdString(degreesText(place.longitude)).trimmed();
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        static const char* const kTitles[kColumns] = {"Sıra No.", "Şehir", "Bölge", "Ülke",
                                                      "Saat Dilimi", "Saat Farkı", "Enlem", "Boylam"};
        return QString::fromUtf8(kTitles[section]);
    }

private:
    QString nameText(const PlaceEntry& entry) const {
        const QString name = QString::fromStdString(entry.place.placeName);
        const std::string* other = otherNameFound(entry, query_);
        return other == nullptr ? name : QStringLiteral("%1 (%2)").arg(name, QString::fromStdString(*other));
    }
    static QVariant otherNamesText(const PlaceRecord& place) {
        if (place.otherNames.empty()) return {};
        QStringList names;
        for (const std::string& other : place.otherNames) names << QString::fromStdString(other);
        return QStringLiteral("Diğer adları: %1").arg(names.join(QStringLiteral(", ")));
    }

    std::vector<const PlaceEntry*> shown_;
    std::string query_;
};

PlaceFinder::PlaceFinder(std::vector<PlaceEntry> places, QWidget* parent)
    : QDialog(parent), places_(std::move(places)), model_(std::make_unique<PlaceTableModel>()),
      ui_(std::make_unique<Ui::PlaceFinder>()) {
    ui_->setupUi(this);
    QTableView* table = ui_->placeTable;
    table->setModel(model_.get());
    table->verticalHeader()->hide();
    // Widths from the font, not from the 7,300 rows: the list opens at once.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int widthsInDigits[PlaceTableModel::kColumns] = {8, 20, 16, 16, 16, 9, 8, 8};
    for (int column = 0; column < PlaceTableModel::kColumns; ++column) {
        table->setColumnWidth(column, widthsInDigits[column] * digit);
    }
    table->horizontalHeader()->setStretchLastSection(true);
    const int allColumns = table->horizontalHeader()->length() + table->verticalScrollBar()->sizeHint().width() +
                           2 * table->frameWidth();
    table->setMinimumSize(allColumns, 24 * table->verticalHeader()->defaultSectionSize());

    connect(ui_->searchEdit, &QLineEdit::textChanged, this, &PlaceFinder::search);
    connect(ui_->searchEdit, &QLineEdit::returnPressed, this, &PlaceFinder::choose);
    connect(table, &QTableView::activated, this, &PlaceFinder::choose);
    connect(ui_->chooseButton, &QPushButton::clicked, this, &PlaceFinder::choose);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->openFileButton, &QPushButton::clicked, this, &PlaceFinder::openFileRequested);
    ui_->openFileButton->setEnabled(!places_.empty());
    search({});
}

PlaceFinder::~PlaceFinder() = default;

void PlaceFinder::search(const QString& query) {
    model_->show(findPlaces(places_, query.toStdString()), query);
    ui_->countLabel->setText(shownCount() > 0 ? QStringLiteral("%1 yer").arg(shownCount()) : kNothingFound);
    if (shownCount() > 0) ui_->placeTable->selectRow(0);
    ui_->chooseButton->setEnabled(shownCount() > 0);
}

int PlaceFinder::shownCount() const { return model_->rowCount(); }

// The selected place, or the first one found.
void PlaceFinder::choose() {
    const QModelIndex current = ui_->placeTable->currentIndex();
    const PlaceEntry* entry = model_->at(current.isValid() ? current.row() : 0);
    if (entry == nullptr) return;
    chosenRow_ = entry->row;
    accept();
}

}  // namespace orvanta::settings
