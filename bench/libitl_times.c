// SPDX-License-Identifier: GPL-3.0-or-later
/* The yardstick of orvanta-cli times: libitl's six prayer times for
   consecutive days, one line a day, printed with printf as a small C
   program would. Usage: libitl_times FIRST_YEAR DAYS (from 1 January). */
#include <itl/prayer.h>
#include <stdio.h>
#include <stdlib.h>

static int daysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return days[month - 1] + (month == 2 && year % 4 == 0 && (year % 100 != 0 || year % 400 == 0));
}

int main(int argc, char** argv) {
    const int firstYear = argc > 1 ? atoi(argv[1]) : 1950;
    const int count = argc > 2 ? atoi(argv[2]) : 36500;
    Location place = {0};
    place.degreeLat = 41.01;
    place.degreeLong = 28.97;
    place.gmtDiff = 3;
    place.pressure = 1010;
    place.temperature = 10;
    Method method;
    getMethod(5, &method); /* Muslim World League: 18° / 17° */
    Date date = {1, 1, firstYear};
    Prayer times[6];
    for (int n = 0; n < count; ++n) {
        getPrayerTimes(&place, &method, &date, times);
        printf("%04d-%02d-%02d", date.year, date.month, date.day);
        for (int i = 0; i < 6; ++i) printf(" %02d:%02d", times[i].hour, times[i].minute);
        printf("\n");
        if (++date.day > daysInMonth(date.year, date.month)) {
            date.day = 1;
            if (++date.month > 12) {
                date.month = 1;
                ++date.year;
            }
        }
    }
    return 0;
}
