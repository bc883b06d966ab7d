#include "directory/directory.h"

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace dialhour {
namespace {

struct Row {
    int code;
    std::string_view state;
    std::string_view zone;
    std::string_view location;
};

// The strings are the product's content and are shown exactly as stored, odd spacing and
// spellings included.
// clang-format off
constexpr Row Rows[] = {
    {201, "New Jersey",     "EASTERN",  "Jersey City and surrounding area"},
    {202, "Washington DC",  "EASTERN",  "Washington, DC"},
    {203, "Connecticut",    "EASTERN",  "Bridgeport, New Haven, Stamford & Waterbury"},
    {204, "Canada",         "CENTRAL",  "Manitoba    "},
    {205, "Alabama",        "CENTRAL",  "Birmingham & Tuscaloosa"},
    {206, "Washington",     "PACIFIC",  "Seattle"},
    {207, "Maine",          "EASTERN",  "Augusta, Bangor, Calais, Lewiston, Millinocket, Portland, Presque Isle & Rumford"},
    {208, "Idaho",          "MOUNTAIN", "Boise, Idaho Falls, Lewiston, Pocatello & Twin Falls"},
    {209, "California",     "PACIFIC",  "Merced & Stockton"},
    {210, "Texas",          "CENTRAL",  "San Antonio "},
    {212, "New York",       "EASTERN",  "New York"},
    {213, "California",     "PACIFIC",  "Los Angeles"},
    {214, "Texas",          "CENTRAL",  "Plano "},
    {215, "Pennsylvania",   "EASTERN",  "Philadelphia    "},
    {216, "Ohio",           "EASTERN",  "Cleveland "},
    {217, "Illinois",       "CENTRAL",  "Champaign, Decatur & Springfield"},
    {218, "Minnesota",      "CENTRAL",  "Brainerd, Duluth, Grand Rapids, Thief River Falls & Virginia"},
    {219, "Indiana",        "CENTRAL",  "Fort  Wayne, Gary & South Bend"},
    {224, "Illinois",       "CENTRAL",  "Northern Illinois"},
    {225, "Louisiana",      "CENTRAL",  "Baton Rouge & New Roads"},
    {228, "Missouri",       "CENTRAL",  "Gulfport & Pascagoula"},
    {229, "Georgia",        "EASTERN",  "Albany , Americus, Bainbridge & Valdosta"},
    {231, "Michigan",       "EASTERN",  "Ludington, Muskegon, Petoskey & Traverse City "},
    {234, "Ohio",           "EASTERN",  "Akron, Canton & Youngstown "},
    {240, "Maryland",       "EASTERN",  "Cumberland, Frederick & Hagerstown "},
    {242, "--",             "EASTERN",  "Bahamas  "},
    {246, "--",             "EASTERN",  "Barbados "},
    {248, "Michigan",       "EASTERN",  "Troy "},
    {250, "Canada",         "PACIFIC",  "British Columbia"},
    {252, "North Carolina", "EASTERN",  "Greenville & Kitty Hawk "},
    {253, "Washington",     "PACIFIC",  "Tacoma"},
    {254, "Texas",          "CENTRAL",  "Killeen & Waco "},
    {256, "Alabama",        "CENTRAL",  "Anniston, Florence, Gadsden & Huntsville "},
    {262, "Wisconsin",      "CENTRAL",  "Racine & West Bend"},
    {264, "--",             "EASTERN",  "Anguilla "},
    {267, "Pennsylvania",   "EASTERN",  "Philadelphia "},
    {268, "--",             "EASTERN",  "Antigua and Barbuda  "},
    {270, "Kentucky",       "EASTERN",  "Bowling Green, Hopkinsville, Owensboro & Paducah "},
    {281, "Texas",          "CENTRAL",  "Houston "},
    {284, "--",             "EASTERN",  "British Virgin Islands"},
    {301, "Maryland",       "EASTERN",  "Cumberland ,Frederick & Hagerstown "},
    {302, "Deleware",       "EASTERN",  "Dover, Georgetown, Middleford, Milford, Nassau, Seaford & Wilmington"},
    {303, "Colorado",       "MOUNTAIN", "Boulder & Denver"},
    {304, "West Virginia",  "EASTERN",  "Beckley, Bluefield, Charleston, Huntington, Martinsburg, Morgantown, Parkersburg, Richwood & Wheeling"},
    {305, "Florida",        "EASTERN",  "Marathon"},
    {306, "Canada",         "MOUNTAIN", "Saskatchewan   "},
    {307, "Wyoming",        "MOUNTAIN", "Casper, Cheyenne, Cody, Evanston, Gillette, Green River, Jackson, Laramie, Riverton & Sheridan"},
    {308, "Nebraska",       "CENTRAL",  "Grand Island, McCook, North Platte & Scottsbluff "},
    {309, "Illinois",       "CENTRAL",  "Moline & Peoria"},
    {310, "California",     "PACIFIC",  ""},
    {312, "Illinois",       "CENTRAL",  "Chicago "},
    {313, "Michigan",       "EASTERN",  "Detroit "},
    {314, "Montana",        "CENTRAL",  "Saint Louis"},
    {315, "New York",       "EASTERN",  "Syracuse, Utica & Watertown "},
    {316, "Kansas",         "CENTRAL",  "Witchita"},
    {317, "Indiana",        "CENTRAL",  "Indianapolis"},
    {318, "Louisiana",      "CENTRAL",  "Alexandria, Monroe & Shreveport "},
    {319, "Iowa",           "CENTRAL",  "Burlington, Cedar Rapids, Iowa City, Waterloo"},
    {320, "Minnesota",      "CENTRAL",  "Hutchinson, Morris & Saint Cloud "},
    {321, "Florida",        "EASTERN",  "Orlando"},
    {323, "California",     "PACIFIC",  "Florence"},
    {330, "Ohio",           "EASTERN",  "Akron, Canton & Youngstown "},
    {334, "Alabama",        "CENTRAL",  "Auburn, Montgomery & Selma"},
    {336, "North Carolina", "EASTERN",  "Winston-Salem "},
    {337, "Louisiana",      "CENTRAL",  "Lafayette & Lake Charles "},
    {339, "Massachusetts",  "EASTERN",  "Norwood , Saugus  & Weymouth "},
    {340, "--",             "EASTERN",  "US Virgin Islands "},
    {341, "California",     "PACIFIC",  "Northern California"},
    {345, "--",             "EASTERN",  "Cayman Islands"},
    {347, "New York",       "EASTERN",  "Bronx"},
    {351, "Massachusetts",  "EASTERN",  "Fitchburg, Methuen & Peabody "},
    {352, "Florida",        "EASTERN",  "Gainesville & Ocala"},
    {360, "Washington",     "PACIFIC",  "Bellingham"},
    {361, "Texas",          "CENTRAL",  "Corpus Christi  & Victoria "},
    {385, "Utah",           "MOUNTAIN", "Bountiful, Ogden & Provo "},
    {401, "Rhode Island",   "EASTERN",  "Cranston, Foster, Newport, Providence, Warwick, Westerly & Woonsocket"},
    {402, "Nebraska",       "CENTRAL",  "Lincoln, Norfolk, Omaha & Valentine "},
    {403, "Canada",         "MOUNTAIN", "Alberta    "},
    {404, "Georgia",        "EASTERN",  "Atlanta"},
    {405, "Oklahoma",       "CENTRAL",  "Edmond & Oklahoma City "},
    {406, "Montana",        "MOUNTAIN", "Billings, Bozeman, Butte, Great Falls, Havre, Helena, Kalispell, Miles City, Missoula & Wolf Point "},
    {407, "Florida",        "EASTERN",  "Orlando"},
    {408, "California",     "PACIFIC",  "Los Gatos & San Jose"},
    {409, "Texas",          "CENTRAL",  "Beaumont "},
    {410, "Maryland",       "EASTERN",  "Aberdeen, Baltimore, Cambridge, Lexington Park, Salisbury & Severna Park "},
    {412, "Pennsylvania",   "EASTERN",  "New Castle, Pittsburgh & Uniontown "},
    {413, "Massachusetts",  "EASTERN",  "Pittsfield & Springfield "},
    {414, "Wisconsin",      "CENTRAL",  "Milwaukee"},
    {415, "California",     "PACIFIC",  "Novato & San Rafeal"},
    {416, "Canada",         "EASTERN",  "Toronto  "},
    {417, "Montana",        "CENTRAL",  "Joplin,Springfield & West Plains "},
    {418, "Canada",         "EASTERN",  "Quebec   "},
    {419, "Ohio",           "EASTERN",  "Bowling Green, Bryan, Mansfield, Lima, Sandusky & Toledo "},
    {423, "Tennessee",      "CENTRAL",  "Chattanooga & Sweetwater"},
    {424, "California",     "PACIFIC",  "Malibu, Santa Monica & California"},
    {425, "Washington",     "PACIFIC",  ""},
    {435, "Utah",           "MOUNTAIN", "Blanding, Logan, Moab, Richfield & Saint George"},
    {440, "Ohio",           "EASTERN",  "Elyria "},
    {441, "--",             "EASTERN",  "Bermuda"},
    {443, "Maryland",       "EASTERN",  "Aberdeen, Baltimore, Cambridge, Lexington Park, Salisbury & Severna Park "},
    {450, "Canada",         "EASTERN",  "Quebec  "},
    {469, "Texas",          "CENTRAL",  "Dallas"},
    {473, "--",             "EASTERN",  "Grenada"},
    {475, "Connecticut",    "EASTERN",  "Bridgeport, New Haven, Stamford & Waterbury"},
    {478, "Georgia",        "EASTERN",  "Macon, Swainsboro & Warner Robins"},
    {480, "Arizona",        "MOUNTAIN", "Chandler"},
    {484, "Pennsylvania",   "EASTERN",  "Allentown & Reading "},
    {501, "Arizona",        "CENTRAL",  "Fort Smith, Hot Springs & Little Rock"},
    {502, "Kentucky",       "EASTERN",  "Fern Creek & Louisville"},
    {503, "Oregon",         "PACIFIC",  "Astoria & Tillamook "},
    {504, "Louisiana",      "CENTRAL",  "New Orleans "},
    {505, "New Mexico",     "MOUNTAIN", "Albuquerque, Carlsbad, Gallup, Farmington, Las Cruces, Roswell, Santa Fe, Silver City & Taos"},
    {506, "Canada",         "ATLANTIC", "New Brunswick  "},
    {507, "Minnesota",      "CENTRAL",  "Mankato, Marshall, Rochester & Worthington "},
    {508, "Massachusetts",  "EASTERN",  "Attleboro, New Bedford & Worcester "},
    {509, "Washington",     "PACIFIC",  "Spokane, Walla Walla & Yakima"},
    {510, "California",     "PACIFIC",  "Hayword & Oakland"},
    {512, "Texas",          "CENTRAL",  "Austin"},
    {513, "Ohio",           "EASTERN",  "Dayton"},
    {514, "Canada",         "EASTERN",  "Montreal "},
    {515, "Iowa",           "CENTRAL",  "Ames, Des Moines & Fort Dodge "},
    {516, "New York",       "EASTERN",  "Long Island"},
    {517, "Michigan",       "EASTERN",  "Jackson & Lansing "},
    {518, "New York",       "EASTERN",  "Albany, Saranac Lake & Plattsburgh "},
    {519, "Canada",         "EASTERN",  "Windsor "},
    {520, "Arizona",        "MOUNTAIN", "Cosa Grande, Sierra Vista & Tucson"},
    {530, "California",     "PACIFIC",  "Alturas, Chico & Redding"},
    {540, "Virginia",       "EASTERN",  "Abingdon, Fredericksburg,Harrisonburg, Roanoke,Winchester & Wytheville  "},
    {541, "Oregon",         "PACIFIC",  "Bend, Burns, Eugene, La Grande, Lakeview, Medford & Ontario "},
    {559, "California",     "PACIFIC",  "Fresno"},
    {561, "Florida",        "EASTERN",  "Boca Raton & West Palm Beach"},
    {562, "California",     "PACIFIC",  "Long Beach"},
    {564, "Washington",     "PACIFIC",  "Bellingham, Olympia & Vancouver  "},
    {570, "Pennsylvania",   "EASTERN",  "Scranton & Williamsport "},
    {571, "Virginia",       "EASTERN",  "Alexandria "},
    {573, "Montana",        "CENTRAL",  "Charleston, Hannibal, Jefferson City, Farmington & Poplar Bluff "},
    {580, "Oklahoma",       "CENTRAL",  "Ardmore, Elk City, Enid, Guymon, Hugo, Lawton &Woodward "},
    {601, "Missouri",       "CENTRAL",  "Hattiesburg, Jackson, Mc Comb, Meridian & Natchez"},
    {602, "Arizona",        "MOUNTAIN", "Phoenix"},
    {603, "New Hampshire",  "EASTERN",  "Berlin, Concord, Keene, Laconia, Lebanon, Manchester & Portsmouth"},
    {604, "Canada",         "PACIFIC",  "Greater Vancouver "},
    {605, "Sourth Dakota",  "CENTRAL",  "Aberdeen, Hot Springs, Mobridge, Pierre, Rapid City, Reva, Sioux Falls, Vermillion, Watertown & Winner "},
    {606, "Kentucky",       "EASTERN",  "London, Morehead  & Pikeville"},
    {607, "New York",       "EASTERN",  "Binghamton & Elmira "},
    {608, "Wisconsin",      "CENTRAL",  "Janesville, La Crosse, Madison & Platteville"},
    {609, "New Jersey",     "EASTERN",  "Atlantic City, Brown Mills & Trenton"},
    {610, "Pennsylvania",   "EASTERN",  "Allentown & Reading "},
    {612, "Minnesota",      "CENTRAL",  "Minneapolis "},
    {613, "Canada",         "EASTERN",  "Ottawa  "},
    {614, "Ohio",           "EASTERN",  "Columbus "},
    {615, "Tennessee",      "CENTRAL",  "Nashville "},
    {616, "Michigan",       "EASTERN",  "Grand Rapids & Kalamazoo "},
    {617, "Massachusetts",  "EASTERN",  "Boston"},
    {618, "Illinois",       "CENTRAL",  "Carbondale & Mount Vernon"},
    {619, "California",     "PACIFIC",  "San Diego"},
    {623, "Arizona",        "MOUNTAIN", "Buckeye & Peoria"},
    {626, "California",     "PACIFIC",  "Pasadena"},
    {627, "California",     "PACIFIC",  "Napa, Petaluma & Sonoma    "},
    {628, "California",     "PACIFIC",  "N California "},
    {630, "Illinois",       "CENTRAL",  "Aurora"},
    {631, "New York",       "EASTERN",  "Manorville "},
    {636, "Montana",        "CENTRAL",  "Chesterfield  & Union"},
    {641, "Iowa",           "CENTRAL",  "Creston, Mason City & Oskaloosa"},
    {646, "New York",       "EASTERN",  "New York"},
    {647, "Canada",         "EASTERN",  "Toronto  "},
    {649, "--",             "EASTERN",  "Turks and Caicos "},
    {650, "California",     "PACIFIC",  "Palo Alto, San Francisco & San Mateo"},
    {651, "Minnesota",      "CENTRAL",  "Lindstrom, Red Wing & Saint Paul "},
    {657, "California",     "PACIFIC",  "S California  "},
    {660, "Montana",        "CENTRAL",  "Macon, Marshall, Maryville, Sedalia & Trenton "},
    {661, "California",     "PACIFIC",  "Bakersfield"},
    {662, "Missouri",       "CENTRAL",  "Clarksdale, Columbus, Greenville, Holly Springs,Tupelo & Winona "},
    {664, "--",             "EASTERN",  "Montserrat "},
    {669, "California",     "PACIFIC",  "Central Coastal California"},
    {670, "--",             "EASTERN",  "Commonwealth of the Northern Mariana Islands"},
    {671, "--",             "EASTERN",  "Guam "},
    {678, "Georgia",        "EASTERN",  "Atlanta"},
    {682, "Texas",          "CENTRAL",  "Fort Worth "},
    {701, "North Dakota",   "CENTRAL",  "Bismarck, Devils Lake, Dickinson, Fargo, Grand Forks, Jamestown, Minor & Williston "},
    {702, "Nevada",         "PACIFIC",  "Las Vegas"},
    {703, "Virginia",       "EASTERN",  "Alexandria "},
    {704, "North Carolina", "EASTERN",  "Charlotte & Kingstown"},
    {705, "Canada",         "EASTERN",  "Sault Ste. Marie    "},
    {706, "Florida",        "EASTERN",  "Hampstead & Miami"},
    {707, "California",     "PACIFIC",  "Eureka, Santa Rosa & Ukiah"},
    {708, "Illinois",       "CENTRAL",  "Chicago Heights"},
    {709, "Canada",         "ATLANTIC", "Newfoundland   "},
    {710, "US",             "EASTERN",  "US Government    "},
    {712, "Iowa",           "CENTRAL",  "Council Bluffs, Estherville & Sioux City "},
    {713, "Texas",          "CENTRAL",  "Houston "},
    {714, "California",     "PACIFIC",  "Huntington Beach & Orange"},
    {715, "Wisconsin",      "CENTRAL",  "Ashland, Eau Claire, Rhinelander, Rice Lake & Wausau"},
    {716, "New York",       "EASTERN",  "Buffalo, Jamestown, Rochester & Wellsville "},
    {717, "Pennsylvania",   "EASTERN",  " Gettysburg &Harrisburg "},
    {718, "New York",       "EASTERN",  "Bronx"},
    {719, "Colorado",       "MOUNTAIN", "Colorado Springs, Pueblo & Trinidad"},
    {720, "Colorado",       "MOUNTAIN", "Boulder & Denver"},
    {724, "Pennsylvania",   "EASTERN",  "New Castle, Pittsburgh & Uniontown "},
    {727, "Florida",        "EASTERN",  "Clearwater"},
    {732, "New Jersey",     "EASTERN",  "Lakewood, Neptune & New Brunswick"},
    {734, "Michigan",       "EASTERN",  "Ann Arbor & Monroe "},
    {740, "Ohio",           "EASTERN",  "Cambridge, Jackson, Lancaster & Marietta "},
    {752, "California",     "PACIFIC",  "Ontario, Pomona, Upland"},
    {757, "Virginia",       "EASTERN",  "Norfolk "},
    {758, "--",             "EASTERN",  "St. Lucia "},
    {760, "California",     "PACIFIC",  "Bishop, Blythe, Indio & Ridgecrest"},
    {763, "Minnesota",      "CENTRAL",  " Maple Grove "},
    {764, "California",     "PACIFIC",  "San Francisco "},
    {765, "Indiana",        "CENTRAL",  "Marion, Muncie, Lafayette & Richmond"},
    {767, "--",             "EASTERN",  "Dominica "},
    {770, "Georgia",        "EASTERN",  "Cedartown, Gainesville, Griffo, Merietto & Roswell"},
    {773, "Illinois",       "CENTRAL",  "Des Plaines & Waukegan"},
    {775, "Nevada",         "PACIFIC",  "Carson City, Elko, Ely, Reno & Tonopah"},
    {780, "Canada",         "MOUNTAIN", "Alberta    "},
    {781, "Massachusetts",  "EASTERN",  "Norwood, Saugus & Weymouth "},
    {784, "--",             "EASTERN",  "St. Vincent Grenadines "},
    {785, "Kansas",         "CENTRAL",  "Colby, Mankato, Salina & Topeka "},
    {786, "Florida",        "EASTERN",  "Miami"},
    {787, "PR",             "EASTERN",  "Puerto Rico  "},
    {801, "Utah",           "MOUNTAIN", "Ogden, Provo & Salt Lake City"},
    {802, "Vermont",        "EASTERN",  "Bennington, Brattleboro, Burlington, Montpelier, Newport, Rutland, Saint Johnsbury & White River Junction "},
    {803, "South Carolina", "EASTERN",  "Aiken, Columbia, Rock Hill & Sumter "},
    {804, "Virginia",       "EASTERN",  "Richmond"},
    {805, "California",     "PACIFIC",  "Lompoc & San Luis Obispo"},
    {806, "Texas",          "CENTRAL",  "Amarillo & Lubbock "},
    {807, "Canada",         "EASTERN",  "Thunder Bay  "},
    {808, "Hawaii",         "HAWAII",   "Hanamaulu, Hilo, Honolulu, Kailua, Kamuela, Kaunakakai, Lahaina & Wailuku"},
    {809, "--",             "EASTERN",  "Bermuda, Puerto Rico, Virgin Islands & Caribbean "},
    {810, "Michigan",       "EASTERN",  "Flint & Port Huron "},
    {812, "Indiana",        "CENTRAL",  "Bloomington, Evansville, New Albany & Terre Haute"},
    {813, "Florida",        "EASTERN",  "Tampa"},
    {814, "Pennsylvania",   "EASTERN",  "Altoona, Erie, Johnstown & Warren "},
    {815, "Illinois",       "CENTRAL",  "De Kalb, Freeport, La Salle & Rockford"},
    {816, "Montana",        "CENTRAL",  "Kansas City  & Saint Joseph "},
    {817, "Texas",          "CENTRAL",  "Fort Worth "},
    {818, "California",     "PACIFIC",  "Glendale & San Fernando"},
    {819, "Canada",         "EASTERN",  "Trois Rivieres   "},
    {828, "North Carolina", "EASTERN",  "Asheville, Brevard & Morganton "},
    {830, "Texas",          "CENTRAL",  "Uvalde"},
    {831, "California",     "PACIFIC",  "Salinas"},
    {832, "Texas",          "CENTRAL",  "Houston "},
    {843, "South Carolina", "EASTERN",  "Charleston, Florence, Hilton Head Island & Myrtle Beach "},
    {845, "New York",       "EASTERN",  "Middletown & Poughkeepsie "},
    {847, "Illinois",       "CENTRAL",  "Oak Brook, Evanston, Waukegan, Northbrook"},
    {850, "Florida",        "EASTERN",  "Tallahassee"},
    {856, "New Jersey",     "EASTERN",  "Cherry Hill & Vineland"},
    {858, "California",     "PACIFIC",  "Solana Beach"},
    {859, "Kentucky",       "EASTERN",  "Lexington "},
    {860, "Connecticut",    "EASTERN",  "Hartford , Norwich , Putnam District & Torrington"},
    {863, "Florida",        "EASTERN",  "Avon Park & Clewiston"},
    {864, "South Carolina", "EASTERN",  "Anderson, Greenville & Spartanburg "},
    {865, "Tennessee",      "CENTRAL",  "Knoxville "},
    {867, "--",             "PACIFIC",  "Yukon and Northwest Territories"},
    {868, "--",             "EASTERN",  "Trinidad and Tobago  "},
    {869, "--",             "EASTERN",  "St. Kitts Nevis  "},
    {870, "Arizona",        "CENTRAL",  "Jonesboro, Monticello, Mountain Home, Pine Buff & Texarkana"},
    {876, "--",             "EASTERN",  "Jamaica  "},
    {878, "Pennsylvania",   "EASTERN",  "New Castle, Pittsburgh & Uniontown "},
    {901, "Tennessee",      "CENTRAL",  "Memphis"},
    {902, "Canada",         "ATLANTIC", "Nova Scotia, Prince Edward Island  "},
    {903, "Texas",          "CENTRAL",  "Sherman & Tyler "},
    {904, "Florida",        "EASTERN",  "Jacksonville & St.Augustine"},
    {905, "Canada",         "EASTERN",  "Hamilton "},
    {906, "Michigan",       "EASTERN",  "Escanaba, Ironwood, Marquette & Sault Sainte Marie "},
    {907, "Alaska",         "ALASKA",   "Anchorage, Barrow, Fairbanks, Juneau, Kodiak & Nome"},
    {908, "New Jersey",     "EASTERN",  "Washington"},
    {909, "California",     "PACIFIC",  "San Bernardino & Temecula"},
    {910, "North Carolina", "EASTERN",  "Fayetteville ,Jacksonville & Wilmington "},
    {912, "Georgia",        "EASTERN",  "Brunswick, Savannah, Vidalia & Waycross"},
    {913, "Kansas",         "CENTRAL",  " Kansas City & Overland Park"},
    {914, "New York",       "EASTERN",  "White Plains "},
    {915, "Texas",          "CENTRAL",  "Alpine, Abilene, El Paso & Midland "},
    {916, "California",     "PACIFIC",  "Sacramento"},
    {917, "New York",       "EASTERN",  "Bronx"},
    {918, "Oklahoma",       "CENTRAL",  "Bartlesville, McAlester & Tulsa "},
    {919, "North Carolina", "EASTERN",  "Durham & Raleigh "},
    {920, "Wisconsin",      "CENTRAL",  "GreenBay , OshKosh & Sheboygan"},
    {925, "California",     "PACIFIC",  "Concord & Pleasanton"},
    {931, "Tennessee",      "CENTRAL",  "Clarksville ,Columbia ,Cookeville & Manchester "},
    {935, "California",     "PACIFIC",  "San Diego"},
    {937, "Ohio",           "EASTERN",  "Carlisle, Dayton, Hillsboro, Marysville & Springfield"},
    {940, "Texas",          "CENTRAL",  "Vernon & Wichita Falls "},
    {941, "Florida",        "EASTERN",  "Fort Myers & Naples"},
    {949, "California",     "PACIFIC",  "Irvine & Laguna Niguel"},
    {951, "California",     "PACIFIC",  "San Bernardino "},
    {952, "Minnesota",      "CENTRAL",  "Bloomington "},
    {954, "Florida",        "EASTERN",  "Fort Lauderdale"},
    {956, "Texas",          "CENTRAL",  "Brownsville, Laredo & McAllen "},
    {959, "Connecticut",    "EASTERN",  "Hartford, Norwich, Putnam District & Torrington"},
    {970, "Colorado",       "MOUNTAIN", "Aspen, Durango, Fort Collins, Grand Junction, Steamboat Springs & Sterling"},
    {971, "Oregon",         "PACIFIC",  "Portland & Salem "},
    {972, "Texas",          "CENTRAL",  "Dallas"},
    {973, "New Jersey",     "EASTERN",  "Sussex"},
    {978, "Massachusetts",  "EASTERN",  "Fitchburg, Methuen & Peabody "},
    {980, "North Carolina", "EASTERN",  "Charlotte & Kingstown"},
    {989, "Michigan",       "EASTERN",  "Alpena, Mount Pleasant & Saginaw  "},
};
// clang-format on

constexpr int NoRow = -1;

// Built by the compiler, so there is nothing to load at start-up and a bad row fails the build.
constexpr auto RowByCode = [] {
    std::array<short, LastCode + 1> index{};
    index.fill(NoRow);
    for (int i = 0; i < int(std::size(Rows)); ++i) {
        const Row &row = Rows[i];
        if (row.code < FirstCode || row.code > LastCode || index[row.code] != NoRow ||
            row.zone.empty())
            throw "directory row out of range, repeated or without a zone";
        index[row.code] = short(i);
    }
    return index;
}();

static_assert(std::size(Rows) == 296);

const Row *rowFor(int code)
{
    if (code < FirstCode || code > LastCode)
        throw std::out_of_range("area code " + std::to_string(code) + " is outside 0..999");
    const int i = RowByCode[code];
    return i == NoRow ? nullptr : &Rows[i];
}

QLatin1StringView view(std::string_view s)
{
    return QLatin1StringView(s.data(), qsizetype(s.size()));
}

} // namespace

QLatin1StringView ZoneByCode(int code)
{
    const Row *row = rowFor(code);
    return row ? view(row->zone) : QLatin1StringView();
}

QLatin1StringView StateByCode(int code)
{
    const Row *row = rowFor(code);
    return row ? view(row->state) : QLatin1StringView();
}

QLatin1StringView LocationByCode(int code)
{
    const Row *row = rowFor(code);
    return row ? view(row->location) : QLatin1StringView();
}

} // namespace dialhour
