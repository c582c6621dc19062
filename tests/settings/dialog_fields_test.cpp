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
using F = Field;

struct Form {
    std::map<Field, std::string> texts{
        {F::CalcMode, "4"},       {F::TemkinImsak, "-2"},   {F::TemkinGunes, "-6"},      {F::TemkinIsrak, "10"},
        {F::TemkinIstiva, "0"},   {F::TemkinOgle, "5"},     {F::TemkinIkindi, "4"},      {F::TemkinAsriSani, "4"},
        {F::TemkinIsfirar, "0"},  {F::TemkinAksam, "8"},    {F::TemkinYatsi, "2"},       {F::PlaceRow, "34"},
        {F::PlaceName, "Ev"},     {F::CountryName, "Türkiye"}, {F::Latitude, "41.01"},   {F::Longitude, "28.97"},
        {F::TimeZone, "3"},       {F::ImsakAngle, "-18"},   {F::YatsiAngle, "-17"},      {F::ViewDate, "31/02/2014"},
        {F::ViewTime, "12:30"}};
    std::vector<Field> order;
    FieldReader reader() {
        return [this](Field field) {
            order.push_back(field);
            return texts.at(field);
        };
    }
};

TEST(CalculationCheck, AFailingFieldStopsTheCheckAndKeepsWhatWasStored) {
    struct Case {
        Field field;
        const char* text;
        std::optional<Field> failsAt;
    };
    const Case cases[] = {
        {F::CalcMode, "5", F::TemkinYatsi},          // mode 5: Yatsı follows Akşam by 60..120, 2 fails
        {F::TemkinYatsi, "90", F::TemkinYatsi},      // mode 4 takes 0..30
        {F::CalcMode, "abc", std::nullopt},          // reads as mode 0
        {F::PlaceRow, "abc", F::PlaceRow},           // row 0 is no row
        {F::PlaceRow, "30001", F::PlaceRow},
        {F::TemkinImsak, "1", F::TemkinImsak},       // İmsak only earlier
        {F::TemkinIsrak, "-1", F::TemkinIsrak},      // İşrak only later
        {F::Latitude, "90.01", F::Latitude},
        {F::Latitude, "nan", F::Latitude},
        {F::Longitude, "1e400", F::Longitude},
        {F::TimeZone, "14", std::nullopt},           // Kiritimati
        {F::TimeZone, "-12.5", F::TimeZone},
        {F::ImsakAngle, "-14.99", F::ImsakAngle},
        {F::YatsiAngle, "-10", std::nullopt},
        {F::YatsiAngle, "-20.01", F::YatsiAngle},
        {F::ViewDate, "31/02/2014", std::nullopt},   // the day is not checked against the month
        {F::ViewDate, "1/1/1900", F::ViewDate},
        {F::ViewDate, "1-1-2014", F::ViewDate},
        {F::ViewTime, "24:00", F::ViewTime},
        {F::ViewTime, " 7: 5", std::nullopt},
    };
    for (const Case& c : cases) {
        Form form;
        form.texts[c.field] = c.text;
        Settings settings;
        ViewMoment moment;
        EXPECT_EQ(storeCalculationFields(form.reader(), settings, "", false, moment), c.failsAt)
            << static_cast<int>(c.field) << " " << c.text;
        if (c.failsAt) { EXPECT_EQ(form.order.back(), *c.failsAt); }
    }
    // Mode 5 is stored before Yatsı's temkin fails; the temkins before it too.
    Form form;
    form.texts[F::CalcMode] = "5";
    form.texts[F::TemkinImsak] = "-9";
    Settings settings;
    ViewMoment moment;
    storeCalculationFields(form.reader(), settings, "", false, moment);
    EXPECT_EQ(settings.calcMode, 5);
    EXPECT_EQ(settings.temkin[0], -9);
    EXPECT_EQ(settings.placeRow, Settings{}.placeRow);
}

TEST(CalculationCheck, StoresEveryFieldInTheDialogsOrder) {
    Form form;
    form.texts[F::Latitude] = "41,5";  // the comma ends the number
    form.texts[F::PlaceName] = "Çok uzun bir yerleşim adı";
    Settings settings;
    settings.timeZoneName = "Europe/Berlin";  // a hand-entered place keeps the fixed offset
    ViewMoment moment;
    ASSERT_EQ(storeCalculationFields(form.reader(), settings, "", false, moment), std::nullopt);
    std::vector<Field> dialogOrder{F::CalcMode};
    dialogOrder.insert(dialogOrder.end(), kTemkinFields.begin(), kTemkinFields.end());
    dialogOrder.insert(dialogOrder.end(), {F::PlaceRow, F::PlaceName, F::CountryName, F::Latitude, F::Longitude,
                                           F::TimeZone, F::ImsakAngle, F::YatsiAngle, F::ViewDate, F::ViewTime});
    EXPECT_EQ(form.order, dialogOrder);
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
    EXPECT_EQ(form.order.back(), F::YatsiAngle);
}

TEST(CalculationCheck, WithThePlaceListTheRowsPlaceIsTakenAndTheHandFieldsAreNotRead) {
    const std::filesystem::path file = std::filesystem::path(::testing::TempDir()) / "dialog_places.csv";
    std::ofstream(file) << "Adana;Türkiye;2;37,00;35,32;Europe/Istanbul\n\nBozuk;Yer;99;200;0\n";
    Form form;
    Settings settings;
    settings.usePlaceList = true;
    ViewMoment moment;
    form.texts[F::PlaceRow] = "1";
    ASSERT_EQ(storeCalculationFields(form.reader(), settings, file, true, moment), std::nullopt);
    EXPECT_EQ(settings.placeName, "Adana");
    EXPECT_EQ(settings.timeZoneMinutes, 120);
    EXPECT_EQ(settings.timeZoneName, "Europe/Istanbul");  // the row's zone follows the place
    EXPECT_EQ(std::count(form.order.begin(), form.order.end(), F::Latitude), 0);
    for (const char* badRow : {"2", "3"}) {  // blank, and a latitude of 200°
        form.texts[F::PlaceRow] = badRow;
        EXPECT_EQ(storeCalculationFields(form.reader(), settings, file, true, moment), F::PlaceRow) << badRow;
        EXPECT_EQ(settings.placeName, "Adana");
    }
    // Without the list file the place stays as it was and the check goes on.
    form.texts[F::PlaceRow] = "5";
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
        Field field;
        const char* text;
        std::optional<Field> failsAt;
    };
    const Case cases[] = {{F::SabahMinutes, "9", F::SabahMinutes},         {F::SabahMinutes, "10", std::nullopt},
                          {F::SabahMinutes, "60", std::nullopt},           {F::SabahMinutes, "61", F::SabahMinutes},
                          {F::ReminderMinutes, "61", F::ReminderMinutes},  {F::CumaSalaMinutes, "120", std::nullopt},
                          {F::CumaSalaMinutes, "121", F::CumaSalaMinutes}, {F::SahurSalaMinutes, "-10", F::SahurSalaMinutes}};
    for (const Case& c : cases) {
        std::map<Field, std::string> texts{
            {F::SabahMinutes, "30"}, {F::ReminderMinutes, "20"}, {F::CumaSalaMinutes, "60"}, {F::SahurSalaMinutes, "90"}};
        texts[c.field] = c.text;
        Settings settings;
        EXPECT_EQ(storeOptionMinutes([&](Field field) { return texts.at(field); }, settings), c.failsAt)
            << static_cast<int>(c.field) << " " << c.text;
        if (!c.failsAt) { EXPECT_EQ(settings.sahurSalaMinutes, std::atoi(texts[F::SahurSalaMinutes].c_str())); }
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
