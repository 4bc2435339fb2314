#include "core/engineering/RopeTables.h"

namespace tolvex::ropes
{
namespace
{

// Values are read from the sources named above each table; none is computed,
// interpolated or recalled. `noData`: no source available; 0: the standard prints
// no value for that group.
// ГОСТ 3064-80, 1х37(1+6+12+18). Area and mass in every row, the 1370 force from 5.0 mm and
// the 1570 force from 2.1 to 7.0 mm: the standard's own tables (ГОСТ 3064-80, edition of May
// 2011 with amendments 1 and 2, item 3). 1770 and 1960 forces only in the handbook's own rows.
constexpr RopeRow gost306480[] = {
    {"1.6", 1.41, 0.012, {0, 0, 2105, 2340}}, // the handbook's own row
    {"1.7", 1.68, 0.0143, {0, 0, noData, noData}},
    {"1.8", 1.97, 0.0168, {0, 0, noData, noData}},
    {"2.0", 2.29, 0.0195, {0, 0, noData, noData}},
    {"2.1", 2.62, 0.0223, {0, 3485, noData, noData}},
    {"2.4", 3.37, 0.0287, {0, 4485, noData, noData}},
    {"2.7", 4.21, 0.0359, {0, 5605, noData, noData}},
    {"2.8", 4.68, 0.0399, {0, 6220, noData, noData}},
    {"3.6", 7.31, 0.0624, {0, 9700, noData, noData}},
    {"4.2", 10.50, 0.0896, {0, 13950, noData, noData}},
    {"4.6", 12.30, 0.1055, {0, 16350, noData, noData}},
    {"5.0", 14.29, 0.122, {16650, 19000, 20800, 22650}}, // the handbook's own row
    {"5.6", 18.66, 0.1595, {21700, 24800, noData, noData}},
    {"6.4", 23.61, 0.2015, {27450, 31400, noData, noData}},
    {"7.0", 29.22, 0.2484, {34050, 38900, noData, noData}},
    {"7.8", 35.34, 0.3004, {41150, noData, noData, noData}},
    {"8.5", 42.04, 0.359, {49000, noData, noData, noData}},
    {"9.2", 49.32, 0.421, {57450, noData, noData, noData}},
    {"9.9", 57.18, 0.488, {66600, noData, noData, noData}},
    {"10.5", 65.63, 0.56, {76450, noData, noData, noData}},
    {"11.5", 74.65, 0.637, {87000, noData, noData, noData}},
    {"12.0", 84.26, 0.719, {97850, noData, noData, noData}},
    {"12.5", 94.44, 0.806, {109500, noData, noData, noData}},
    {"14.0", 116.89, 0.9936, {135500, noData, noData, noData}},
    {"15.5", 141.37, 1.2, {164000, noData, noData, noData}},
    {"17.0", 168.17, 1.425, {195500, noData, noData, noData}},
    {"18.5", 197.29, 1.685, {229500, noData, noData, noData}},
    {"20.0", 228.74, 1.955, {266500, noData, noData, noData}},
    {"21.0", 262.51, 2.24, {305500, noData, noData, noData}},
    {"22.5", 298.52, 2.55, {347000, noData, noData, noData}},
    {"24.0", 337.03, 2.875, {396000, noData, noData, noData}},
    {"27.0", 420.84, 3.59, {490000, 560500, 602500, 0}}, // the handbook's own row
};

// ГОСТ 2688-80, 6х19(1+6+6/6)+1о.с. Only the handbook's own rows; no verified source for
// the others yet.
constexpr RopeRow gost268880[] = {
    {"3.6", 4.98, 0.0488, {0, 0, 7465, 8295}}, // the handbook's own row
    {"3.8", noData, noData, {noData, noData, noData, noData}},
    {"4.1", noData, noData, {noData, noData, noData, noData}},
    {"4.5", noData, noData, {noData, noData, noData, noData}},
    {"4.8", noData, noData, {noData, noData, noData, noData}},
    {"5.1", noData, noData, {noData, noData, noData, noData}},
    {"5.6", noData, noData, {noData, noData, noData, noData}},
    {"6.2", noData, noData, {noData, noData, noData, noData}},
    {"6.9", noData, noData, {noData, noData, noData, noData}},
    {"7.6", noData, noData, {noData, noData, noData, noData}},
    {"8.3", noData, noData, {noData, noData, noData, noData}},
    {"9.1", noData, noData, {noData, noData, noData, noData}},
    {"9.9", noData, noData, {noData, noData, noData, noData}},
    {"11", noData, noData, {noData, noData, noData, noData}},
    {"12", noData, noData, {noData, noData, noData, noData}},
    {"13", noData, noData, {noData, noData, noData, noData}},
    {"14", noData, noData, {noData, noData, noData, noData}},
    {"15", noData, noData, {noData, noData, noData, noData}},
    {"16.5", noData, noData, {noData, noData, noData, noData}},
    {"18", noData, noData, {noData, noData, noData, noData}},
    {"19.5", noData, noData, {noData, noData, noData, noData}},
    {"21", noData, noData, {noData, noData, noData, noData}},
    {"22.5", noData, noData, {noData, noData, noData, noData}},
    {"24", noData, noData, {noData, noData, noData, noData}},
    {"25", noData, noData, {noData, noData, noData, noData}},
    {"27", noData, noData, {noData, noData, noData, noData}},
    {"28", noData, noData, {noData, noData, noData, noData}},
    {"30.5", noData, noData, {noData, noData, noData, noData}},
    {"32", noData, noData, {noData, noData, noData, noData}},
    {"33.5", noData, noData, {noData, noData, noData, noData}},
    {"37", noData, noData, {noData, noData, noData, noData}},
    {"39.5", noData, noData, {noData, noData, noData, noData}},
    {"42", noData, noData, {noData, noData, noData, noData}},
    {"44.5", noData, noData, {noData, noData, noData, noData}},
    {"47.5", noData, noData, {noData, noData, noData, noData}},
    {"51", noData, noData, {noData, noData, noData, noData}},
    {"56", 1190.53, 11.65, {1385000, 1580000, 1705000, 0}}, // the handbook's own row
};

// ГОСТ 7668-80, 6х36(1+7+7/7+14)+1о.с. 50.5–72.0: area, mass and 1370 force from the
// standard's page 3; 11.5–48.5: mass per 1000 m from the maker's catalogue (gost-kanat.ru).
constexpr RopeRow gost766880[] = {
    {"6.3", noData, noData, {noData, noData, noData, noData}},
    {"6.7", noData, noData, {noData, noData, noData, noData}},
    {"7.4", noData, noData, {noData, noData, noData, noData}},
    {"8.1", noData, noData, {noData, noData, noData, noData}},
    {"9.0", noData, noData, {noData, noData, noData, noData}},
    {"9.7", noData, noData, {noData, noData, noData, noData}},
    {"11.5", noData, 0.513, {noData, noData, noData, noData}},
    {"13.5", noData, 0.696, {noData, noData, noData, noData}},
    {"15.0", noData, 0.812, {noData, noData, noData, noData}},
    {"16.5", noData, 1.045, {noData, noData, noData, noData}},
    {"18.0", noData, 1.245, {noData, noData, noData, noData}},
    {"20.0", noData, 1.52, {noData, noData, noData, noData}},
    {"22.0", noData, 1.83, {noData, noData, noData, noData}},
    {"23.5", noData, 2.13, {noData, noData, noData, noData}},
    {"25.5", noData, 2.495, {noData, noData, noData, noData}},
    {"27.0", noData, 2.8, {noData, noData, noData, noData}},
    {"29.0", noData, 3.215, {noData, noData, noData, noData}},
    {"31.0", noData, 3.655, {noData, noData, noData, noData}},
    {"33.0", noData, 4.155, {noData, noData, noData, noData}},
    {"34.5", noData, 4.55, {noData, noData, noData, noData}},
    {"36.5", noData, 4.965, {noData, noData, noData, noData}},
    {"38.0", noData, 5.51, {noData, noData, noData, noData}},
    {"39.5", noData, 6.08, {noData, noData, noData, noData}},
    {"42.0", noData, 6.75, {noData, noData, noData, noData}},
    {"43.0", noData, 7.12, {noData, noData, noData, noData}},
    {"44.5", noData, 7.77, {noData, noData, noData, noData}},
    {"46.5", noData, 8.4, {noData, noData, noData, noData}},
    {"48.5", noData, 9.155, {noData, noData, noData, noData}},
    {"50.5", 1006.85, 9.94, {1130000, noData, noData, noData}},
    {"53.5", 1131.96, 11.15, {1265000, noData, noData, noData}},
    {"56.0", 1219.89, 12.05, {1365000, noData, noData, noData}},
    {"58.5", 1314.56, 13, {1470000, noData, noData, noData}},
    {"60.5", 1446.74, 14.25, {1625000, noData, noData, noData}},
    {"63.0", 1538.92, 15.2, {1725000, noData, noData, noData}},
    {"65.0", 1634.03, 16.1, {1830000, noData, noData, noData}},
    {"68.0", 1792.62, 17.7, {2010000, noData, noData, noData}},
    {"72.0", 2008.28, 19.8, {2255000, noData, noData, noData}},
};

// ГОСТ 7669-80, 6х36(1+7+7/7+14)+7х7(1+6). Mass per 1000 m from the maker's catalogue
// (gost-kanat.ru); 42.0 left out (its catalogue mass does not fit its force), 45.0 and 64.0 not
// listed.
constexpr RopeRow gost766980[] = {
    {"5.9", noData, noData, {noData, noData, noData, noData}},
    {"6.4", noData, noData, {noData, noData, noData, noData}},
    {"7.2", noData, noData, {noData, noData, noData, noData}},
    {"8.6", noData, noData, {noData, noData, noData, noData}},
    {"10.5", noData, 0.482, {noData, noData, noData, noData}},
    {"13.0", noData, 0.733, {noData, noData, noData, noData}},
    {"14.5", noData, 0.906, {noData, noData, noData, noData}},
    {"16.0", noData, 1.145, {noData, noData, noData, noData}},
    {"17.5", noData, 1.36, {noData, noData, noData, noData}},
    {"19.5", noData, 1.63, {noData, noData, noData, noData}},
    {"21.0", noData, 1.95, {noData, noData, noData, noData}},
    {"23.0", noData, 2.29, {noData, noData, noData, noData}},
    {"25.0", noData, 2.66, {noData, noData, noData, noData}},
    {"26.5", noData, 2.975, {noData, noData, noData, noData}},
    {"28.0", noData, 3.395, {noData, noData, noData, noData}},
    {"30.0", noData, 3.89, {noData, noData, noData, noData}},
    {"32.5", noData, 4.445, {noData, noData, noData, noData}},
    {"35.5", noData, 5.29, {noData, noData, noData, noData}},
    {"36.5", noData, 5.895, {noData, noData, noData, noData}},
    {"39.0", noData, 6.53, {noData, noData, noData, noData}},
    {"41.0", noData, 7.265, {noData, noData, noData, noData}},
    {"42.0", noData, noData, {noData, noData, noData, noData}},
    {"45.0", noData, noData, {noData, noData, noData, noData}},
    {"49.0", noData, 10.6, {noData, noData, noData, noData}},
    {"52.0", noData, 11.85, {noData, noData, noData, noData}},
    {"57.0", noData, 13.9, {noData, noData, noData, noData}},
    {"60.5", noData, 15.24, {noData, noData, noData, noData}},
    {"61.5", noData, 16.25, {noData, noData, noData, noData}},
    {"64.0", noData, noData, {noData, noData, noData, noData}},
    {"68.0", noData, 18.775, {noData, noData, noData, noData}},
    {"72.0", noData, 21.125, {noData, noData, noData, noData}},
};

// ГОСТ 3066-80, 6х7(1+6)+1х7(1+6). Mass per 1000 m from the maker's catalogue (gost-kanat.ru).
constexpr RopeRow gost306680[] = {
    {"1.9", noData, 0.0143, {noData, noData, noData, noData}},
    {"2.0", noData, 0.0173, {noData, noData, noData, noData}},
    {"2.2", noData, 0.0206, {noData, noData, noData, noData}},
    {"2.4", noData, 0.0242, {noData, noData, noData, noData}},
    {"2.6", noData, 0.028, {noData, noData, noData, noData}},
    {"2.8", noData, 0.032, {noData, noData, noData, noData}},
    {"3.1", noData, 0.0411, {noData, noData, noData, noData}},
    {"3.5", noData, 0.0512, {noData, noData, noData, noData}},
    {"3.8", noData, 0.058, {noData, noData, noData, noData}},
    {"4.2", noData, 0.072, {noData, noData, noData, noData}},
    {"4.6", noData, 0.09, {noData, noData, noData, noData}},
    {"5.6", noData, 0.129, {noData, noData, noData, noData}},
    {"6.4", noData, 0.175, {noData, noData, noData, noData}},
    {"7.4", noData, 0.228, {noData, noData, noData, noData}},
    {"8.2", noData, 0.288, {noData, noData, noData, noData}},
    {"9.2", noData, 0.36, {noData, noData, noData, noData}},
    {"10.0", noData, 0.435, {noData, noData, noData, noData}},
    {"11.0", noData, 0.516, {noData, noData, noData, noData}},
    {"12.0", noData, 0.604, {noData, noData, noData, noData}},
    {"13.0", noData, 0.699, {noData, noData, noData, noData}},
    {"14.0", noData, 0.802, {noData, noData, noData, noData}},
    {"15.0", noData, 0.911, {noData, noData, noData, noData}},
    {"15.5", noData, 1.03, {noData, noData, noData, noData}},
    {"16.5", noData, 1.15, {noData, noData, noData, noData}},
    {"18.5", noData, 1.441, {noData, noData, noData, noData}},
    {"20.0", noData, 1.739, {noData, noData, noData, noData}},
    {"22.0", noData, 2.065, {noData, noData, noData, noData}},
    {"24.0", noData, 2.42, {noData, noData, noData, noData}},
    {"26.0", noData, 2.8, {noData, noData, noData, noData}},
    {"27.5", noData, 3.21, {noData, noData, noData, noData}},
};

// ГОСТ 3069-80, 6х7(1+6)+1о.с. Mass per 1000 m from the maker's catalogue (gost-kanat.ru).
constexpr RopeRow gost306980[] = {
    {"2.2", noData, noData, {noData, noData, noData, noData}},
    {"2.3", noData, 0.0191, {noData, noData, noData, noData}},
    {"2.5", noData, noData, {noData, noData, noData, noData}},
    {"2.7", noData, 0.026, {noData, noData, noData, noData}},
    {"2.9", noData, 0.0298, {noData, noData, noData, noData}},
    {"3.3", noData, 0.0382, {noData, noData, noData, noData}},
    {"3.7", noData, noData, {noData, noData, noData, noData}},
    {"4.0", noData, 0.054, {noData, noData, noData, noData}},
    {"4.9", noData, 0.0837, {noData, noData, noData, noData}},
    {"5.9", noData, 0.12, {noData, noData, noData, noData}},
    {"6.8", noData, 0.162, {noData, noData, noData, noData}},
    {"7.8", noData, 0.212, {noData, noData, noData, noData}},
    {"8.7", noData, 0.267, {noData, noData, noData, noData}},
    {"9.7", noData, 0.335, {noData, noData, noData, noData}},
    {"10.5", noData, 0.404, {noData, noData, noData, noData}},
    {"11.5", noData, 0.479, {noData, noData, noData, noData}},
    {"12.5", noData, 0.562, {noData, noData, noData, noData}},
    {"13.5", noData, 0.65, {noData, noData, noData, noData}},
    {"14.5", noData, 0.745, {noData, noData, noData, noData}},
    {"15.5", noData, 0.847, {noData, noData, noData, noData}},
    {"16.5", noData, 0.955, {noData, noData, noData, noData}},
    {"17.5", noData, 1.07, {noData, noData, noData, noData}},
    {"19.5", noData, 1.335, {noData, noData, noData, noData}},
    {"21.0", noData, 1.615, {noData, noData, noData, noData}},
    {"23.0", noData, 1.915, {noData, noData, noData, noData}},
    {"25.5", noData, 2.25, {noData, noData, noData, noData}},
    {"27.0", noData, 2.605, {noData, noData, noData, noData}},
    {"29.0", noData, 2.985, {noData, noData, noData, noData}},
};

// ГОСТ 3077-80, 6х19(1+9+9)+1о.с. 35.0–46.0: area, mass and 1960 force from the standard's
// page 5; 4.6–32.5: mass per 1000 m from the maker's catalogue (gost-kanat.ru).
constexpr RopeRow gost307780[] = {
    {"4.6", noData, 0.0778, {noData, noData, noData, noData}},
    {"5.1", noData, 0.0959, {noData, noData, noData, noData}},
    {"5.7", noData, 0.126, {noData, noData, noData, noData}},
    {"6.4", noData, 0.153, {noData, noData, noData, noData}},
    {"7.8", noData, 0.22, {noData, noData, noData, noData}},
    {"8.8", noData, 0.293, {noData, noData, noData, noData}},
    {"10.5", noData, 0.387, {noData, noData, noData, noData}},
    {"11.5", noData, 0.487, {noData, noData, noData, noData}},
    {"12.0", noData, 0.53, {noData, noData, noData, noData}},
    {"13.0", noData, 0.597, {noData, noData, noData, noData}},
    {"14.0", noData, 0.719, {noData, noData, noData, noData}},
    {"15.0", noData, 0.852, {noData, noData, noData, noData}},
    {"16.5", noData, 0.996, {noData, noData, noData, noData}},
    {"17.5", noData, 1.155, {noData, noData, noData, noData}},
    {"19.5", noData, 1.37, {noData, noData, noData, noData}},
    {"20.5", noData, 1.55, {noData, noData, noData, noData}},
    {"22.0", noData, 1.745, {noData, noData, noData, noData}},
    {"23.0", noData, 1.95, {noData, noData, noData, noData}},
    {"25.5", noData, 2.39, {noData, noData, noData, noData}},
    {"28.0", noData, 2.88, {noData, noData, noData, noData}},
    {"30.5", noData, 3.41, {noData, noData, noData, noData}},
    {"32.5", noData, 3.99, {noData, noData, noData, noData}},
    {"35.0", 470.34, 4.61, {noData, noData, noData, 748500}},
    {"37.0", 513.49, 5.035, {noData, noData, noData, 815000}},
    {"39.0", 558.74, 5.475, {noData, noData, noData, 886500}},
    {"40.0", 595.18, 5.83, {noData, noData, noData, 0}},
    {"41.0", 632.78, 6.2, {noData, noData, noData, 0}},
    {"43.5", 711.42, 6.975, {noData, noData, noData, 0}},
    {"45.0", 752.48, 7.37, {noData, noData, noData, 0}},
    {"46.0", 794.70, 7.79, {noData, noData, noData, 0}},
};

// ГОСТ 7665-80, 6х25(1+6;6+12)+1о.с. Mass per 1000 m from the maker's catalogue (gost-kanat.ru).
constexpr RopeRow gost766580[] = {
    {"8.1", noData, 0.236, {noData, noData, noData, noData}},
    {"9.7", noData, 0.342, {noData, noData, noData, noData}},
    {"11.5", noData, 0.464, {noData, noData, noData, noData}},
    {"13.0", noData, 0.605, {noData, noData, noData, noData}},
    {"14.5", noData, 0.763, {noData, noData, noData, noData}},
    {"16.0", noData, 0.941, {noData, noData, noData, noData}},
    {"17.5", noData, 1.14, {noData, noData, noData, noData}},
    {"19.5", noData, 1.357, {noData, noData, noData, noData}},
    {"21.0", noData, 1.594, {noData, noData, noData, noData}},
    {"22.5", noData, 1.857, {noData, noData, noData, noData}},
    {"24.0", noData, 2.132, {noData, noData, noData, noData}},
    {"25.5", noData, 2.426, {noData, noData, noData, noData}},
    {"27.5", noData, 2.739, {noData, noData, noData, noData}},
    {"29.0", noData, 3.071, {noData, noData, noData, noData}},
    {"32.0", noData, 3.768, {noData, noData, noData, noData}},
    {"35.5", noData, 4.562, {noData, noData, noData, noData}},
    {"38.5", noData, 5.405, {noData, noData, noData, noData}},
    {"42.0", noData, 6.349, {noData, noData, noData, noData}},
    {"45.0", noData, 7.397, {noData, noData, noData, noData}},
    {"48.5", noData, 8.496, {noData, noData, noData, noData}},
};

// ГОСТ 7667-80, 6х25(1+6;6+12)+7х7(1+6). Mass per 1000 m from rclifting.ru and
// gost-kanat.ru (both agree); the sources list 23.5 mm, not 23.0.
constexpr RopeRow gost766780[] = {
    {"7.8", noData, 0.253, {noData, noData, noData, noData}},
    {"9.5", noData, 0.371, {noData, noData, noData, noData}},
    {"11.5", noData, 0.506, {noData, noData, noData, noData}},
    {"12.5", noData, 0.654, {noData, noData, noData, noData}},
    {"14.0", noData, 0.821, {noData, noData, noData, noData}},
    {"15.5", noData, 1.005, {noData, noData, noData, noData}},
    {"17.0", noData, 1.21, {noData, noData, noData, noData}},
    {"19.0", noData, 1.465, {noData, noData, noData, noData}},
    {"20.5", noData, 1.715, {noData, noData, noData, noData}},
    {"22.0", noData, 1.99, {noData, noData, noData, noData}},
    {"23.0", noData, noData, {noData, noData, noData, noData}},
    {"25.0", noData, 2.58, {noData, noData, noData, noData}},
    {"27.0", noData, 2.91, {noData, noData, noData, noData}},
    {"28.0", noData, 3.29, {noData, noData, noData, noData}},
    {"31.0", noData, 4.03, {noData, noData, noData, noData}},
    {"34.0", noData, 4.86, {noData, noData, noData, noData}},
    {"37.0", noData, 5.74, {noData, noData, noData, noData}},
    {"41.0", noData, 6.835, {noData, noData, noData, noData}},
    {"44.0", noData, 7.93, {noData, noData, noData, noData}},
    {"47.0", noData, 9.08, {noData, noData, noData, noData}},
};

// ГОСТ 3079-80, 6х37(1+6+15+15)+1о.с. Mass per 1000 m from the maker's catalogue (gost-kanat.ru).
constexpr RopeRow gost307980[] = {
    {"5.8", noData, noData, {noData, noData, noData, noData}},
    {"6.5", noData, noData, {noData, noData, noData, noData}},
    {"8.5", noData, noData, {noData, noData, noData, noData}},
    {"11.5", noData, 0.468, {noData, noData, noData, noData}},
    {"13.5", noData, 0.662, {noData, noData, noData, noData}},
    {"15.5", noData, 0.851, {noData, noData, noData, noData}},
    {"17.0", noData, 1.065, {noData, noData, noData, noData}},
    {"19.5", noData, 1.35, {noData, noData, noData, noData}},
    {"21.5", noData, 1.67, {noData, noData, noData, noData}},
    {"23.0", noData, 1.93, {noData, noData, noData, noData}},
    {"25.0", noData, 2.245, {noData, noData, noData, noData}},
    {"27.0", noData, 2.65, {noData, noData, noData, noData}},
    {"29.0", noData, 3.015, {noData, noData, noData, noData}},
    {"30.5", noData, 3.405, {noData, noData, noData, noData}},
    {"33.0", noData, 3.905, {noData, noData, noData, noData}},
    {"35.0", noData, 4.435, {noData, noData, noData, noData}},
    {"39.0", noData, 5.395, {noData, noData, noData, noData}},
    {"43.0", noData, 6.675, {noData, noData, noData, noData}},
    {"47.0", noData, 7.845, {noData, noData, noData, noData}},
    {"50.0", noData, 9.11, {noData, noData, noData, noData}},
    {"52.0", noData, 9.91, {noData, noData, noData, noData}},
    {"54.0", noData, 10.6, {noData, noData, noData, noData}},
    {"56.0", noData, 11.45, {noData, noData, noData, noData}},
    {"58.0", noData, 12.05, {noData, noData, noData, noData}},
    {"62.0", noData, 13.95, {noData, noData, noData, noData}},
    {"66.5", noData, 16.45, {noData, noData, noData, noData}},
    {"71.0", noData, 19.2, {noData, noData, noData, noData}},
    {"75.0", noData, 21.15, {noData, noData, noData, noData}},
};

// ГОСТ 3090-73. The handbook's own rows 30.5 and 35.5 and its example row 32 (area 673,9).
// Mass per metre is the standard's mass of 1000 m / 1000: 5249,8, 6810,3 and 5737,1 kg per
// 1000 m (about 8,51 kg per 1000 m per mm² of wire, as closed ropes weigh).
constexpr RopeRow gost309073[] = {
    {"30.5", 616.59, 5.2498, {664000, 724500, 785000, 845600}}, // the handbook's own row
    {"32", 673.9, 5.7371, {noData, noData, noData, noData}},    // the handbook's example row
    {"34", noData, noData, {noData, noData, noData, noData}},
    {"35.5", 800.12, 6.8103, {862000, 940500, 1015000, 1085000}}, // the handbook's own row
};

// ГОСТ 7675-73. No verified source yet.
constexpr RopeRow gost767573[] = {
    {"38.5", noData, noData, {noData, noData, noData, noData}},
    {"40.5", noData, noData, {noData, noData, noData, noData}},
    {"42.5", noData, noData, {noData, noData, noData, noData}},
    {"45", noData, noData, {noData, noData, noData, noData}},
    {"47", noData, noData, {noData, noData, noData, noData}},
    {"51", noData, noData, {noData, noData, noData, noData}},
};

// ГОСТ 7676-73. No verified source yet.
constexpr RopeRow gost767673[] = {
    {"50", noData, noData, {noData, noData, noData, noData}},
    {"52", noData, noData, {noData, noData, noData, noData}},
    {"54", noData, noData, {noData, noData, noData, noData}},
    {"55", noData, noData, {noData, noData, noData, noData}},
    {"60", noData, noData, {noData, noData, noData, noData}},
    {"65", noData, noData, {noData, noData, noData, noData}},
    {"70", noData, noData, {noData, noData, noData, noData}},
};

const QString stranded = QStringLiteral("Двойной свивки");
const QString closed = QStringLiteral("Закрытый несущий");

std::vector<RopeConstruction> makeConstructions()
{
    using L = QStringList;
    return {
        {L{QStringLiteral("Одинарной свивки")},
         L{QStringLiteral("Канат одинарной свивки типа ТК конструкции 1х37"),
           QStringLiteral("(1+6+12+18)"), QStringLiteral("ГОСТ 3064-80")},
         QStringLiteral("Спиральный канат из 37 проволок, свитых в четыре концентрических слоя с "
                        "точечным касанием проволок между слоями. Жёсткий, мало растягивается. "
                        "Применяется для оттяжек мачт, несущих и натяжных канатов подвесных "
                        "дорог и кабельных кранов, грозозащитных тросов линий электропередачи. "
                        "Органического сердечника не имеет."),
         QStringLiteral("1х37(1+6+12+18)"), MarkingGroups::A, gost306480,
         QStringLiteral("ГОСТ 3064-80")},
        {L{stranded, QStringLiteral("ЛК-Р")},
         L{QStringLiteral("Канат двойной свивки типа ЛК-Р конструкции"),
           QStringLiteral("6х19(1+6+6/6)+1о.с"), QStringLiteral("ГОСТ 2688-80")},
         QStringLiteral("Шесть прядей с линейным касанием проволок, наружный слой из проволок "
                        "разного диаметра. Применяется на грузоподъёмных кранах и талях, в "
                        "шахтных подъёмах, на экскаваторах, подвесных дорогах, скиповых "
                        "подъёмниках доменных печей; хорошо работает при многократных изгибах "
                        "на открытом воздухе и в агрессивной среде. Сердечник органический "
                        "(о.с): придаёт канату гибкость и удерживает смазку."),
         QStringLiteral("6х19(1+6+6/6)+1о.с"), MarkingGroups::A, gost268880,
         QStringLiteral("ГОСТ 2688-80")},
        {L{stranded, QStringLiteral("ЛК-РО"),
           QStringLiteral("ГОСТ 7668-80. к. 6х36(1+7+7/7+14)+1о.с.")},
         L{QStringLiteral("Канат двойной свивки типа ЛК-РО конструкции"),
           QStringLiteral("6х36(1+7+7/7+14)+1о.с"), QStringLiteral("ГОСТ 7668-80")},
         QStringLiteral("Многопроволочный гибкий канат с толстыми наружными проволоками, стойкий "
                        "к истиранию и агрессивной среде. Применяется в шахтах, на экскаваторах, "
                        "скиповых подъёмниках, металлургических кранах, вагоноопрокидывателях, в "
                        "судовых грузоподъёмных устройствах. Сердечник органический (о.с)."),
         QStringLiteral("6х36(1+7+7/7+14)+1о.с"), MarkingGroups::A, gost766880,
         QStringLiteral("ГОСТ 7668-80")},
        {L{stranded, QStringLiteral("ЛК-РО"),
           QStringLiteral("ГОСТ 7669-80. к. 6х36(1+7+7/7+14)+7х7(1+6)")},
         L{QStringLiteral("Канат двойной свивки типа ЛК-РО конструкции"),
           QStringLiteral("6х36(1+7+7/7+14)+7х7(1+6)"), QStringLiteral("ГОСТ 7669-80")},
         QStringLiteral("Многопроволочный канат с металлическим сердечником из семи прядей. "
                        "Применяется на шагающих экскаваторах (от ковша к тяговой лебёдке), в "
                        "вертикальных и наклонных шахтных подъёмах, на металлургических кранах. "
                        "Металлический сердечник не сминается под нагрузкой на барабане."),
         QStringLiteral("6х36(1+7+7/7+14)+7х7(1+6)"), MarkingGroups::A, gost766980,
         QStringLiteral("ГОСТ 7669-80")},
        {L{stranded, QStringLiteral("ЛК-О"), QStringLiteral("ГОСТ 3066-80. к. 6х7(1+6)+1х7(1+6)")},
         L{QStringLiteral("Канат двойной свивки типа ЛК-0 конструкции"),
           QStringLiteral("6х7(1+6)+1х7(1+6)"), QStringLiteral("ГОСТ 3066-80")},
         QStringLiteral("Шесть семипроволочных прядей вокруг металлического сердечника из одной "
                        "такой же пряди. Жёсткий канат для стоячего такелажа судов и растяжек. "
                        "Сердечник металлический."),
         QStringLiteral("6х7(1+6)+1х7(1+6)"), MarkingGroups::A, gost306680,
         QStringLiteral("ГОСТ 3066-80")},
        {L{stranded, QStringLiteral("ЛК-О"), QStringLiteral("ГОСТ 3069-80. к. 6х7(1+6)+1")},
         L{QStringLiteral("Канат двойной свивки типа ЛК-0 конструкции"),
           QStringLiteral("6х7(1+6)+1о.с"), QStringLiteral("ГОСТ 3069-80")},
         QStringLiteral("Шесть семипроволочных прядей вокруг органического сердечника. "
                        "Применяется на талях, подвесных дорогах и кабельных кранах, для "
                        "стоячего такелажа. Сердечник органический (о.с)."),
         QStringLiteral("6х7(1+6)+1о.с"), MarkingGroups::A, gost306980,
         QStringLiteral("ГОСТ 3069-80")},
        {L{stranded, QStringLiteral("ЛК-О"), QStringLiteral("ГОСТ 3077-80. к. 6х19(1+9+9)+1")},
         L{QStringLiteral("Канат двойной свивки типа ЛК-0 конструкции"),
           QStringLiteral("6х19(1+9+9)+1о.с"), QStringLiteral("ГОСТ 3077-80")},
         QStringLiteral("Пряди с проволоками одинакового диаметра в слое, хорошо противостоят "
                        "истиранию. Применяется в грузоподъёмных устройствах судов и лифтов, "
                        "для тормозных канатов шахт, тяговых канатов подвесных дорог. "
                        "Сердечник органический (о.с)."),
         QStringLiteral("6х19(1+9+9)+1о.с"), MarkingGroups::A, gost307780,
         QStringLiteral("ГОСТ 3077-80")},
        {L{stranded, QStringLiteral("ЛК-З"),
           QStringLiteral("ГОСТ 7665-80. к. 6х25(1+6;6+12)+1о.с.")},
         L{QStringLiteral("Канат двойной свивки типа ЛК-З конструкции"),
           QStringLiteral("6х25(1+6;6+12)+1о.с"), QStringLiteral("ГОСТ 7665-80")},
         QStringLiteral("Пряди с тонкими заполняющими проволоками между слоями, канат гибче "
                        "канатов ЛК-О. Применяется на лифтах, талях, скиповых подъёмниках, "
                        "лесопогрузчиках, кранах, в шахтных установках. Для агрессивных сред не "
                        "рекомендуется. Сердечник органический (о.с)."),
         QStringLiteral("6х25(1+6;6+12)+1о.с"), MarkingGroups::A, gost766580,
         QStringLiteral("ГОСТ 7665-80")},
        {L{stranded, QStringLiteral("ЛК-З"),
           QStringLiteral("ГОСТ 7667-80. к. 6х25(1+6;6+12)+7х7(1+6)")},
         L{QStringLiteral("Канат двойной свивки типа ЛК-З конструкции"),
           QStringLiteral("6х25(1+6;6+12)+7х7(1+6)"), QStringLiteral("ГОСТ 7667-80")},
         QStringLiteral("Пряди с заполняющими проволоками вокруг металлического сердечника из "
                        "семи прядей. Применяется в наклонных шахтных подъёмах, дорожных "
                        "машинах, на металлургических кранах. Сердечник металлический."),
         QStringLiteral("6х25(1+6;6+12)+7х7(1+6)"), MarkingGroups::A, gost766780,
         QStringLiteral("ГОСТ 7667-80")},
        {L{stranded, QStringLiteral("ТЛК-О")},
         L{QStringLiteral("Канат двойной свивки типа ТЛК-О конструкции"),
           QStringLiteral("6х37(1+6+15+15)+1о.с"), QStringLiteral("ГОСТ 3079-80")},
         QStringLiteral("Пряди с точечно-линейным касанием проволок. Применяется для крановых "
                        "канатов вертикальных шахтных подъёмов, уравновешивающих канатов, "
                        "тяговых канатов подвесных дорог, на металлургических кранах. "
                        "Сердечник органический (о.с)."),
         QStringLiteral("6х37(1+6+15+15)+1о.с"), MarkingGroups::A, gost307980,
         QStringLiteral("ГОСТ 3079-80")},
        {L{closed, QStringLiteral("ТК. ГОСТ 3090-73")},
         L{QStringLiteral("Канат закрытый несущий с одним слоем зетообразной проволоки и "),
           QStringLiteral("сердечником типа ТК, ГОСТ 3090-73")},
         QString(), QStringLiteral("1х(1+6+12+18+з)"), MarkingGroups::B, gost309073,
         QStringLiteral("ГОСТ 3090-73")},
        {L{closed, QStringLiteral("ТК. ГОСТ 7675-73")},
         L{QStringLiteral("Канат закрытый несущий с одним слоем клиновидной и одним слоем "),
           QStringLiteral("зетообразной проволоки и сердечником типа ТК, ГОСТ 7675-73")},
         QString(), QStringLiteral("1х(1+6+12+18+к+з)"), MarkingGroups::B, gost767573,
         QStringLiteral("ГОСТ 7675-73")},
        {L{closed, QStringLiteral("ТК. ГОСТ 7676-73")},
         L{QStringLiteral("Канат закрытый несущий с двумя слоями клиновидной и одним слоем "),
           QStringLiteral("зетообразной проволоки и сердечником типа ТК, ГОСТ 7676-73")},
         QString(), QStringLiteral("1х(1+6+12+к+к+з)"), MarkingGroups::B, gost767673,
         QStringLiteral("ГОСТ 7676-73")},
    };
}

} // namespace

QStringList markingGroupCaptions(MarkingGroups groups)
{
    if (groups == MarkingGroups::A)
        return {QStringLiteral("1370(140)"), QStringLiteral("1570(160)"),
                QStringLiteral("1770(180)"), QStringLiteral("1960(200)")};
    return {QStringLiteral("1080(110)"), QStringLiteral("1180(120)"), QStringLiteral("1270(130)"),
            QStringLiteral("1370(140)")};
}

const std::vector<RopeConstruction>& ropeConstructions()
{
    static const std::vector<RopeConstruction> constructions = makeConstructions();
    return constructions;
}

QString ropeDescription(const RopeConstruction& construction)
{
    QString text = construction.descriptionLines.join(QLatin1Char('\n'));
    if (!construction.uses.isEmpty())
        text += QStringLiteral("\n\n") + construction.uses;
    return text;
}

QString ropeDataNote()
{
    return QStringLiteral("Значения приведены там, где была доступна таблица стандарта.");
}

} // namespace tolvex::ropes
