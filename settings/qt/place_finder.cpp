#include "settings/qt/place_finder.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>

#include "settings/dialog_fields.h"
#include "ui_place_finder.h"

namespace orvanta::settings {

// The places found, one row each: row number, name, country, zone,
// latitude, longitude.
class PlaceTableModel : public QAbstractTableModel {
public:
    void show(std::vector<const PlaceEntry*> shown) {
        beginResetModel();
        shown_ = std::move(shown);
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
        if (role == Qt::TextAlignmentRole) {
            return index.column() == 1 || index.column() == 2 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                                              : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        }
        if (role != Qt::DisplayRole) return {};
        const PlaceRecord& place = entry->place;
        switch (index.column()) {
            case 0: return entry->row;
            case 1: return QString::fromStdString(place.placeName);
            case 2: return QString::fromStdString(place.countryName);
            case 3: return QString::fromStdString(zoneHoursText(place.timeZoneMinutes)).trimmed();
            case 4: return QString::fromStdString(degreesText(place.latitude)).trimmed();
            default: return QString::fromStdString(degreesText(place.longitude)).trimmed();
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        static const char* const kTitles[kColumns] = {"Sıra No.", "Şehir", "Ülke", "Saat Farkı", "Enlem", "Boylam"};
        return QString::fromUtf8(kTitles[section]);
    }

    static constexpr int kColumns = 6;

private:
    std::vector<const PlaceEntry*> shown_;
};

PlaceFinder::PlaceFinder(std::vector<PlaceEntry> places, QWidget* parent)
    : QDialog(parent), places_(std::move(places)), model_(std::make_unique<PlaceTableModel>()),
      ui_(std::make_unique<Ui::PlaceFinderDlg>()) {
    ui_->setupUi(this);
    QTableView* table = ui_->placeTable;
    table->setModel(model_.get());
    table->verticalHeader()->hide();
    // Widths from the font, not from the 7,300 rows: the list opens at once.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int widthsInDigits[PlaceTableModel::kColumns] = {8, 17, 17, 9, 8, 8};
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
    model_->show(findPlaces(places_, query.toStdString()));
    ui_->countLabel->setText(QStringLiteral("%1 yer").arg(shownCount()));
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
