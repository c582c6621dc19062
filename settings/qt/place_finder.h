// SPDX-License-Identifier: GPL-3.0-or-later
// "Yer Bul": the place list searched by name. Typing filters the list, best
// matches first (any of a place's names — its own, Turkish or local —, its
// region or its country, letters folded so that "istanbul" finds "İstanbul"
// and "koln" finds Köln); with nothing found it says how to give the place
// by hand. A double click, Enter or "Seç" chooses the place.
#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "settings/place_database.h"

namespace Ui {
class PlaceFinder;
}

namespace orvanta::settings {

class PlaceTableModel;

class PlaceFinder : public QDialog {
    Q_OBJECT
public:
    explicit PlaceFinder(std::vector<PlaceEntry> places, QWidget* parent = nullptr);
    ~PlaceFinder() override;

    // The row of the place chosen; nothing before a choice.
    std::optional<std::int32_t> chosenRow() const { return chosenRow_; }
    // Shows only the places the query finds.
    void search(const QString& query);
    // Places shown now.
    int shownCount() const;

signals:
    // "Dosyayı Aç": the list file itself is to be opened.
    void openFileRequested();

private:
    void choose();

    std::vector<PlaceEntry> places_;
    std::unique_ptr<PlaceTableModel> model_;
    std::unique_ptr<Ui::PlaceFinder> ui_;
    std::optional<std::int32_t> chosenRow_;
};

}  // namespace orvanta::settings
