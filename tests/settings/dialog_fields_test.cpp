// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialogs' field rules: how a field's text reads, the order of
// the checks and what a failing field leaves stored, the wheel's date
// steps.
#include "settings/dialog_fields.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <map>
#include <vector>

namespace orvanta::settings {
namespace {

TEST(DialogInteger, ReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        FieldSign sign;
        std::int32_t value;
    };
    const Case cases[] = {{"abc", FieldSign::Signed, 0},     {"41,5", FieldSign::Signed, 41},
                          {"  -7", FieldSign::Signed, -7},   {"-7", FieldSign::Unsigned, 0},
                          {"", FieldSign::Unsigned, 0},      {"99999999999", FieldSign::Signed, INT_MAX},
                          {"12abc", FieldSign::Unsigned, 12}};
    for (const Case& c : cases) EXPECT_EQ(dialogInteger(c.text, c.sign), c.value) << c.text;
}

// The fields of the calculation dialog as the user left them, and the
// order the check read them in.
struct Form {
    std::map<int, std::string> texts{{1096, "4"},   {1074, "-2"},    {1075, "-6"},  {1076, "10"},       {1077, "0"},
                                     {1078, "5"},   {1079, "4"},     {1080, "4"},   {1081, "0"},        {1082, "8"},
                                     {1083, "2"},   {1087, "34"},    {1088, "Ev"},  {1089, "Türkiye"},  {1090, "41.01"},
                                     {1091, "28.97"}, {1092, "3"},   {1094, "-18"}, {1095, "-17"},      {1112, "31/02/2014"},
                                     {1113, "12:30"}};
    std::vector<int> order;
    FieldReader reader() {
        return [this](int id) {
            order.push_back(id);
            return texts.at(id);
        };
    }
};

TEST(CalculationCheck, AFailingFieldStopsTheCheckAndKeepsWhatWasStored) {
    struct Case {
        int field;
        const char* text;
        std::optional<int> failsAt;
    };
    const Case cases[] = {
        {1096, "5", 1083},            // mode 5: Yatsı follows Akşam by 60..120, 2 fails
        {1083, "90", 1083},           // mode 4 takes 0..30
        {1096, "abc", std::nullopt},  // reads as mode 0
        {1087, "abc", 1087},          // row 0 is no row
        {1087, "30001", 1087},
        {1074, "1", 1074},            // İmsak only earlier
        {1076, "-1", 1076},           // İşrak only later
        {1090, "90.01", 1090},
        {1090, "nan", 1090},
        {1091, "1e400", 1091},
        {1092, "14", std::nullopt},   // Kiritimati
        {1092, "-12.5", 1092},
        {1094, "-14.99", 1094},
        {1095, "-10", std::nullopt},
        {1095, "-20.01", 1095},
        {1112, "31/02/2014", std::nullopt},  // the day is not checked against the month
        {1112, "1/1/1900", 1112},
        {1112, "1-1-2014", 1112},
        {1113, "24:00", 1113},
        {1113, " 7: 5", std::nullopt},
    };
    for (const Case& c : cases) {
        Form form;
        form.texts[c.field] = c.text;
        Settings settings;
        ViewMoment moment;
        EXPECT_EQ(storeCalculationFields(form.reader(), settings, "", false, moment), c.failsAt) << c.field << " " << c.text;
        if (c.failsAt) { EXPECT_EQ(form.order.back(), *c.failsAt); }
    }
    // Mode 5 is stored before Yatsı's temkin fails; the temkins before it too.
    Form form;
    form.texts[1096] = "5";
    form.texts[1074] = "-9";
    Settings settings;
    ViewMoment moment;
    storeCalculationFields(form.reader(), settings, "", false, moment);
    EXPECT_EQ(settings.calcMode, 5);
    EXPECT_EQ(settings.temkin[0], -9);
    EXPECT_EQ(settings.placeRow, Settings{}.placeRow);
}

TEST(CalculationCheck, StoresEveryFieldInTheDialogsOrder) {
    Form form;
    form.texts[1090] = "41,5";  // the comma ends the number
    form.texts[1088] = "Çok uzun bir yerleşim adı";
    Settings settings;
    settings.timeZoneName = "Europe/Berlin";  // a hand-entered place keeps the fixed offset
    ViewMoment moment;
    ASSERT_EQ(storeCalculationFields(form.reader(), settings, "", false, moment), std::nullopt);
    EXPECT_EQ(form.order, (std::vector<int>{1096, 1074, 1075, 1076, 1077, 1078, 1079, 1080, 1081, 1082, 1083, 1087,
                                            1088, 1089, 1090, 1091, 1092, 1094, 1095, 1112, 1113}));
    EXPECT_EQ(settings.latitude, 4100);
    EXPECT_EQ(settings.longitude, 2896);  // truncated as the list's rows are
    EXPECT_EQ(settings.timeZoneMinutes, 180);
    EXPECT_EQ(settings.timeZoneName, "");
    EXPECT_EQ(settings.placeName, "Çok uzun bir ye");
    EXPECT_EQ(settings.imsakAngle, -18.0f);
    EXPECT_EQ(viewDateText(moment) + " " + viewTimeText(moment), "31/02/2014 12:30");

    // Following the clock, the date and time are not read.
    form.order.clear();
    storeCalculationFields(form.reader(), settings, "", true, moment);
    EXPECT_EQ(form.order.back(), 1095);
}

TEST(CalculationCheck, WithThePlaceListTheRowsPlaceIsTakenAndTheHandFieldsAreNotRead) {
    const std::filesystem::path file = std::filesystem::path(::testing::TempDir()) / "dialog_places.csv";
    std::ofstream(file) << "Adana;Türkiye;2;37,00;35,32;Europe/Istanbul\n\nBozuk;Yer;99;200;0\n";
    Form form;
    Settings settings;
    settings.usePlaceList = true;
    ViewMoment moment;
    form.texts[1087] = "1";
    ASSERT_EQ(storeCalculationFields(form.reader(), settings, file, true, moment), std::nullopt);
    EXPECT_EQ(settings.placeName, "Adana");
    EXPECT_EQ(settings.timeZoneMinutes, 120);
    EXPECT_EQ(settings.timeZoneName, "Europe/Istanbul");  // the row's zone follows the place
    EXPECT_EQ(std::count(form.order.begin(), form.order.end(), 1090), 0);
    for (const char* badRow : {"2", "3"}) {  // blank, and a latitude of 200°
        form.texts[1087] = badRow;
        EXPECT_EQ(storeCalculationFields(form.reader(), settings, file, true, moment), 1087) << badRow;
        EXPECT_EQ(settings.placeName, "Adana");
    }
    // Without the list file the place stays as it was and the check goes on.
    form.texts[1087] = "5";
    EXPECT_EQ(storeCalculationFields(form.reader(), settings, file.string() + ".missing", true, moment), std::nullopt);
    EXPECT_EQ(settings.placeName, "Adana");
}

TEST(ViewDate, WheelStepsAcrossYearsAndLeapDaysAndStopsAtTheEnds) {
    struct Case {
        ViewMoment from;
        int direction;
        ViewMoment to;
        bool moved;
    };
    const Case cases[] = {{{2013, 1, 1}, -1, {2012, 12, 31}, true}, {{2012, 3, 1}, -1, {2012, 2, 29}, true},
                          {{2012, 2, 28}, +1, {2012, 2, 29}, true}, {{2012, 12, 31}, +1, {2013, 1, 1}, true},
                          {{2014, 2, 31}, +1, {2014, 3, 4}, true},  {{2099, 12, 31}, +1, {2099, 12, 31}, false},
                          {{1901, 1, 1}, -1, {1901, 1, 1}, false}};
    for (const Case& c : cases) {
        ViewMoment moment = c.from;
        EXPECT_EQ(stepViewDate(moment, c.direction), c.moved) << viewDateText(c.from);
        EXPECT_EQ(viewDateText(moment), viewDateText(c.to)) << viewDateText(c.from);
    }
}

TEST(OptionsCheck, TheFourMinuteFieldsLimitsInOrder) {
    struct Case {
        int field;
        const char* text;
        std::optional<int> failsAt;
    };
    const Case cases[] = {{1100, "9", 1100},  {1100, "10", std::nullopt}, {1100, "60", std::nullopt},
                          {1100, "61", 1100}, {1105, "61", 1105},         {1107, "120", std::nullopt},
                          {1107, "121", 1107}, {1108, "-10", 1108}};
    for (const Case& c : cases) {
        std::map<int, std::string> texts{{1100, "30"}, {1105, "20"}, {1107, "60"}, {1108, "90"}};
        texts[c.field] = c.text;
        Settings settings;
        EXPECT_EQ(storeOptionMinutes([&](int id) { return texts.at(id); }, settings), c.failsAt) << c.field << " " << c.text;
        if (!c.failsAt) { EXPECT_EQ(settings.sahurSalaMinutes, std::atoi(texts[1108].c_str())); }
    }
}

TEST(OptionsCheck, SalaFileNeededOnlyForASalaThatPlaysIt) {
    Settings settings;
    EXPECT_FALSE(salaFileNeeded(settings));
    settings.salaBeforeEnd = true;
    settings.reminderFile = "SALA.WAV";
    EXPECT_TRUE(salaFileNeeded(settings));
    settings.reminderFile = "ezan.wav";
    EXPECT_FALSE(salaFileNeeded(settings));
    settings.sahurSala = true;
    EXPECT_TRUE(salaFileNeeded(settings));
}

}  // namespace
}  // namespace orvanta::settings
