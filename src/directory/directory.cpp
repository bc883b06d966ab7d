#include "directory/directory.h"

#include <algorithm>
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
    // The IANA zone of the place where most of the code's numbers are today.
    std::string_view clockZone;
    std::string_view location;
};

// The strings are the product's content and are shown exactly as stored, odd spacing included.
// docs/directory.md says where they come from and how to add a code.
// clang-format off
constexpr Row Rows[] = {
    {201, "New Jersey",     "EASTERN",  "America/New_York",             "Jersey City and surrounding area"},
    {202, "Washington DC",  "EASTERN",  "America/New_York",             "Washington, DC"},
    {203, "Connecticut",    "EASTERN",  "America/New_York",             "Bridgeport, New Haven, Stamford & Waterbury"},
    {204, "Canada",         "CENTRAL",  "America/Winnipeg",             "Manitoba    "},
    {205, "Alabama",        "CENTRAL",  "America/Chicago",              "Birmingham & Tuscaloosa"},
    {206, "Washington",     "PACIFIC",  "America/Los_Angeles",          "Seattle"},
    {207, "Maine",          "EASTERN",  "America/New_York",             "Augusta, Bangor, Calais, Lewiston, Millinocket, Portland, Presque Isle & Rumford"},
    {208, "Idaho",          "MOUNTAIN", "America/Boise",                "Boise, Idaho Falls, Lewiston, Pocatello & Twin Falls"},
    {209, "California",     "PACIFIC",  "America/Los_Angeles",          "Merced & Stockton"},
    {210, "Texas",          "CENTRAL",  "America/Chicago",              "San Antonio "},
    {212, "New York",       "EASTERN",  "America/New_York",             "New York"},
    {213, "California",     "PACIFIC",  "America/Los_Angeles",          "Los Angeles"},
    {214, "Texas",          "CENTRAL",  "America/Chicago",              "Plano "},
    {215, "Pennsylvania",   "EASTERN",  "America/New_York",             "Philadelphia    "},
    {216, "Ohio",           "EASTERN",  "America/New_York",             "Cleveland "},
    {217, "Illinois",       "CENTRAL",  "America/Chicago",              "Champaign, Decatur & Springfield"},
    {218, "Minnesota",      "CENTRAL",  "America/Chicago",              "Brainerd, Duluth, Grand Rapids, Thief River Falls & Virginia"},
    {219, "Indiana",        "CENTRAL",  "America/Chicago",              "Fort  Wayne, Gary & South Bend"},
    {224, "Illinois",       "CENTRAL",  "America/Chicago",              "Northern Illinois"},
    {225, "Louisiana",      "CENTRAL",  "America/Chicago",              "Baton Rouge & New Roads"},
    {228, "Mississippi",    "CENTRAL",  "America/Chicago",              "Gulfport & Pascagoula"},
    {229, "Georgia",        "EASTERN",  "America/New_York",             "Albany , Americus, Bainbridge & Valdosta"},
    {231, "Michigan",       "EASTERN",  "America/Detroit",              "Ludington, Muskegon, Petoskey & Traverse City "},
    {234, "Ohio",           "EASTERN",  "America/New_York",             "Akron, Canton & Youngstown "},
    {240, "Maryland",       "EASTERN",  "America/New_York",             "Cumberland, Frederick & Hagerstown "},
    {242, "--",             "EASTERN",  "America/Nassau",               "Bahamas  "},
    {246, "--",             "EASTERN",  "America/Barbados",             "Barbados "},
    {248, "Michigan",       "EASTERN",  "America/Detroit",              "Troy "},
    {250, "Canada",         "PACIFIC",  "America/Vancouver",            "British Columbia"},
    {252, "North Carolina", "EASTERN",  "America/New_York",             "Greenville & Kitty Hawk "},
    {253, "Washington",     "PACIFIC",  "America/Los_Angeles",          "Tacoma"},
    {254, "Texas",          "CENTRAL",  "America/Chicago",              "Killeen & Waco "},
    {256, "Alabama",        "CENTRAL",  "America/Chicago",              "Anniston, Florence, Gadsden & Huntsville "},
    {262, "Wisconsin",      "CENTRAL",  "America/Chicago",              "Racine & West Bend"},
    {264, "--",             "EASTERN",  "America/Anguilla",             "Anguilla "},
    {267, "Pennsylvania",   "EASTERN",  "America/New_York",             "Philadelphia "},
    {268, "--",             "EASTERN",  "America/Antigua",              "Antigua and Barbuda  "},
    {270, "Kentucky",       "EASTERN",  "America/Chicago",              "Bowling Green, Hopkinsville, Owensboro & Paducah "},
    {281, "Texas",          "CENTRAL",  "America/Chicago",              "Houston "},
    {284, "--",             "EASTERN",  "America/Tortola",              "British Virgin Islands"},
    {301, "Maryland",       "EASTERN",  "America/New_York",             "Cumberland ,Frederick & Hagerstown "},
    {302, "Delaware",       "EASTERN",  "America/New_York",             "Dover, Georgetown, Middleford, Milford, Nassau, Seaford & Wilmington"},
    {303, "Colorado",       "MOUNTAIN", "America/Denver",               "Boulder & Denver"},
    {304, "West Virginia",  "EASTERN",  "America/New_York",             "Beckley, Bluefield, Charleston, Huntington, Martinsburg, Morgantown, Parkersburg, Richwood & Wheeling"},
    {305, "Florida",        "EASTERN",  "America/New_York",             "Marathon"},
    {306, "Canada",         "MOUNTAIN", "America/Regina",               "Saskatchewan   "},
    {307, "Wyoming",        "MOUNTAIN", "America/Denver",               "Casper, Cheyenne, Cody, Evanston, Gillette, Green River, Jackson, Laramie, Riverton & Sheridan"},
    {308, "Nebraska",       "CENTRAL",  "America/Chicago",              "Grand Island, McCook, North Platte & Scottsbluff "},
    {309, "Illinois",       "CENTRAL",  "America/Chicago",              "Moline & Peoria"},
    {310, "California",     "PACIFIC",  "America/Los_Angeles",          ""},
    {312, "Illinois",       "CENTRAL",  "America/Chicago",              "Chicago "},
    {313, "Michigan",       "EASTERN",  "America/Detroit",              "Detroit "},
    {314, "Missouri",       "CENTRAL",  "America/Chicago",              "Saint Louis"},
    {315, "New York",       "EASTERN",  "America/New_York",             "Syracuse, Utica & Watertown "},
    {316, "Kansas",         "CENTRAL",  "America/Chicago",              "Wichita"},
    {317, "Indiana",        "CENTRAL",  "America/Indiana/Indianapolis", "Indianapolis"},
    {318, "Louisiana",      "CENTRAL",  "America/Chicago",              "Alexandria, Monroe & Shreveport "},
    {319, "Iowa",           "CENTRAL",  "America/Chicago",              "Burlington, Cedar Rapids, Iowa City, Waterloo"},
    {320, "Minnesota",      "CENTRAL",  "America/Chicago",              "Hutchinson, Morris & Saint Cloud "},
    {321, "Florida",        "EASTERN",  "America/New_York",             "Orlando"},
    {323, "California",     "PACIFIC",  "America/Los_Angeles",          "Florence"},
    {330, "Ohio",           "EASTERN",  "America/New_York",             "Akron, Canton & Youngstown "},
    {334, "Alabama",        "CENTRAL",  "America/Chicago",              "Auburn, Montgomery & Selma"},
    {336, "North Carolina", "EASTERN",  "America/New_York",             "Winston-Salem "},
    {337, "Louisiana",      "CENTRAL",  "America/Chicago",              "Lafayette & Lake Charles "},
    {339, "Massachusetts",  "EASTERN",  "America/New_York",             "Norwood , Saugus  & Weymouth "},
    {340, "--",             "EASTERN",  "America/St_Thomas",            "US Virgin Islands "},
    {341, "California",     "PACIFIC",  "America/Los_Angeles",          "Northern California"},
    {345, "--",             "EASTERN",  "America/Cayman",               "Cayman Islands"},
    {347, "New York",       "EASTERN",  "America/New_York",             "Bronx"},
    {351, "Massachusetts",  "EASTERN",  "America/New_York",             "Fitchburg, Methuen & Peabody "},
    {352, "Florida",        "EASTERN",  "America/New_York",             "Gainesville & Ocala"},
    {360, "Washington",     "PACIFIC",  "America/Los_Angeles",          "Bellingham"},
    {361, "Texas",          "CENTRAL",  "America/Chicago",              "Corpus Christi  & Victoria "},
    {385, "Utah",           "MOUNTAIN", "America/Denver",               "Bountiful, Ogden & Provo "},
    {401, "Rhode Island",   "EASTERN",  "America/New_York",             "Cranston, Foster, Newport, Providence, Warwick, Westerly & Woonsocket"},
    {402, "Nebraska",       "CENTRAL",  "America/Chicago",              "Lincoln, Norfolk, Omaha & Valentine "},
    {403, "Canada",         "MOUNTAIN", "America/Edmonton",             "Alberta    "},
    {404, "Georgia",        "EASTERN",  "America/New_York",             "Atlanta"},
    {405, "Oklahoma",       "CENTRAL",  "America/Chicago",              "Edmond & Oklahoma City "},
    {406, "Montana",        "MOUNTAIN", "America/Denver",               "Billings, Bozeman, Butte, Great Falls, Havre, Helena, Kalispell, Miles City, Missoula & Wolf Point "},
    {407, "Florida",        "EASTERN",  "America/New_York",             "Orlando"},
    {408, "California",     "PACIFIC",  "America/Los_Angeles",          "Los Gatos & San Jose"},
    {409, "Texas",          "CENTRAL",  "America/Chicago",              "Beaumont "},
    {410, "Maryland",       "EASTERN",  "America/New_York",             "Aberdeen, Baltimore, Cambridge, Salisbury & Severna Park "},
    {412, "Pennsylvania",   "EASTERN",  "America/New_York",             "New Castle, Pittsburgh & Uniontown "},
    {413, "Massachusetts",  "EASTERN",  "America/New_York",             "Pittsfield & Springfield "},
    {414, "Wisconsin",      "CENTRAL",  "America/Chicago",              "Milwaukee"},
    {415, "California",     "PACIFIC",  "America/Los_Angeles",          "Novato & San Rafael"},
    {416, "Canada",         "EASTERN",  "America/Toronto",              "Toronto  "},
    {417, "Missouri",       "CENTRAL",  "America/Chicago",              "Joplin,Springfield & West Plains "},
    {418, "Canada",         "EASTERN",  "America/Toronto",              "Quebec   "},
    {419, "Ohio",           "EASTERN",  "America/New_York",             "Bowling Green, Bryan, Mansfield, Lima, Sandusky & Toledo "},
    {423, "Tennessee",      "CENTRAL",  "America/New_York",             "Chattanooga & Sweetwater"},
    {424, "California",     "PACIFIC",  "America/Los_Angeles",          "Malibu & Santa Monica"},
    {425, "Washington",     "PACIFIC",  "America/Los_Angeles",          ""},
    {435, "Utah",           "MOUNTAIN", "America/Denver",               "Blanding, Logan, Moab, Richfield & Saint George"},
    {440, "Ohio",           "EASTERN",  "America/New_York",             "Elyria "},
    {441, "--",             "EASTERN",  "Atlantic/Bermuda",             "Bermuda"},
    {443, "Maryland",       "EASTERN",  "America/New_York",             "Aberdeen, Baltimore, Cambridge, Salisbury & Severna Park "},
    {450, "Canada",         "EASTERN",  "America/Toronto",              "Quebec  "},
    {469, "Texas",          "CENTRAL",  "America/Chicago",              "Dallas"},
    {473, "--",             "EASTERN",  "America/Grenada",              "Grenada"},
    {475, "Connecticut",    "EASTERN",  "America/New_York",             "Bridgeport, New Haven, Stamford & Waterbury"},
    {478, "Georgia",        "EASTERN",  "America/New_York",             "Macon, Swainsboro & Warner Robins"},
    {480, "Arizona",        "MOUNTAIN", "America/Phoenix",              "Chandler"},
    {484, "Pennsylvania",   "EASTERN",  "America/New_York",             "Allentown & Reading "},
    {501, "Arkansas",       "CENTRAL",  "America/Chicago",              "Fort Smith, Hot Springs & Little Rock"},
    {502, "Kentucky",       "EASTERN",  "America/New_York",             "Fern Creek & Louisville"},
    {503, "Oregon",         "PACIFIC",  "America/Los_Angeles",          "Astoria & Tillamook "},
    {504, "Louisiana",      "CENTRAL",  "America/Chicago",              "New Orleans "},
    {505, "New Mexico",     "MOUNTAIN", "America/Denver",               "Albuquerque, Carlsbad, Gallup, Farmington, Las Cruces, Roswell, Santa Fe, Silver City & Taos"},
    {506, "Canada",         "ATLANTIC", "America/Moncton",              "New Brunswick  "},
    {507, "Minnesota",      "CENTRAL",  "America/Chicago",              "Mankato, Marshall, Rochester & Worthington "},
    {508, "Massachusetts",  "EASTERN",  "America/New_York",             "Attleboro, New Bedford & Worcester "},
    {509, "Washington",     "PACIFIC",  "America/Los_Angeles",          "Spokane, Walla Walla & Yakima"},
    {510, "California",     "PACIFIC",  "America/Los_Angeles",          "Hayward & Oakland"},
    {512, "Texas",          "CENTRAL",  "America/Chicago",              "Austin"},
    {513, "Ohio",           "EASTERN",  "America/New_York",             "Dayton"},
    {514, "Canada",         "EASTERN",  "America/Toronto",              "Montreal "},
    {515, "Iowa",           "CENTRAL",  "America/Chicago",              "Ames, Des Moines & Fort Dodge "},
    {516, "New York",       "EASTERN",  "America/New_York",             "Long Island"},
    {517, "Michigan",       "EASTERN",  "America/Detroit",              "Jackson & Lansing "},
    {518, "New York",       "EASTERN",  "America/New_York",             "Albany, Saranac Lake & Plattsburgh "},
    {519, "Canada",         "EASTERN",  "America/Toronto",              "Windsor "},
    {520, "Arizona",        "MOUNTAIN", "America/Phoenix",              "Casa Grande, Sierra Vista & Tucson"},
    {530, "California",     "PACIFIC",  "America/Los_Angeles",          "Alturas, Chico & Redding"},
    {540, "Virginia",       "EASTERN",  "America/New_York",             "Abingdon, Fredericksburg,Harrisonburg, Roanoke,Winchester & Wytheville  "},
    {541, "Oregon",         "PACIFIC",  "America/Los_Angeles",          "Bend, Burns, Eugene, La Grande, Lakeview, Medford & Ontario "},
    {559, "California",     "PACIFIC",  "America/Los_Angeles",          "Fresno"},
    {561, "Florida",        "EASTERN",  "America/New_York",             "Boca Raton & West Palm Beach"},
    {562, "California",     "PACIFIC",  "America/Los_Angeles",          "Long Beach"},
    {564, "Washington",     "PACIFIC",  "America/Los_Angeles",          "Bellingham, Olympia & Vancouver  "},
    {570, "Pennsylvania",   "EASTERN",  "America/New_York",             "Scranton & Williamsport "},
    {571, "Virginia",       "EASTERN",  "America/New_York",             "Alexandria "},
    {573, "Missouri",       "CENTRAL",  "America/Chicago",              "Charleston, Hannibal, Jefferson City, Farmington & Poplar Bluff "},
    {580, "Oklahoma",       "CENTRAL",  "America/Chicago",              "Ardmore, Elk City, Enid, Guymon, Hugo, Lawton &Woodward "},
    {601, "Mississippi",    "CENTRAL",  "America/Chicago",              "Hattiesburg, Jackson, McComb, Meridian & Natchez"},
    {602, "Arizona",        "MOUNTAIN", "America/Phoenix",              "Phoenix"},
    {603, "New Hampshire",  "EASTERN",  "America/New_York",             "Berlin, Concord, Keene, Laconia, Lebanon, Manchester & Portsmouth"},
    {604, "Canada",         "PACIFIC",  "America/Vancouver",            "Greater Vancouver "},
    {605, "South Dakota",   "CENTRAL",  "America/Chicago",              "Aberdeen, Hot Springs, Mobridge, Pierre, Rapid City, Reva, Sioux Falls, Vermillion, Watertown & Winner "},
    {606, "Kentucky",       "EASTERN",  "America/New_York",             "London, Morehead  & Pikeville"},
    {607, "New York",       "EASTERN",  "America/New_York",             "Binghamton & Elmira "},
    {608, "Wisconsin",      "CENTRAL",  "America/Chicago",              "Janesville, La Crosse, Madison & Platteville"},
    {609, "New Jersey",     "EASTERN",  "America/New_York",             "Atlantic City, Browns Mills & Trenton"},
    {610, "Pennsylvania",   "EASTERN",  "America/New_York",             "Allentown & Reading "},
    {612, "Minnesota",      "CENTRAL",  "America/Chicago",              "Minneapolis "},
    {613, "Canada",         "EASTERN",  "America/Toronto",              "Ottawa  "},
    {614, "Ohio",           "EASTERN",  "America/New_York",             "Columbus "},
    {615, "Tennessee",      "CENTRAL",  "America/Chicago",              "Nashville "},
    {616, "Michigan",       "EASTERN",  "America/Detroit",              "Grand Rapids & Kalamazoo "},
    {617, "Massachusetts",  "EASTERN",  "America/New_York",             "Boston"},
    {618, "Illinois",       "CENTRAL",  "America/Chicago",              "Carbondale & Mount Vernon"},
    {619, "California",     "PACIFIC",  "America/Los_Angeles",          "San Diego"},
    {623, "Arizona",        "MOUNTAIN", "America/Phoenix",              "Buckeye & Peoria"},
    {626, "California",     "PACIFIC",  "America/Los_Angeles",          "Pasadena"},
    {627, "California",     "PACIFIC",  "America/Los_Angeles",          "Napa, Petaluma & Sonoma    "},
    {628, "California",     "PACIFIC",  "America/Los_Angeles",          "N California "},
    {630, "Illinois",       "CENTRAL",  "America/Chicago",              "Aurora"},
    {631, "New York",       "EASTERN",  "America/New_York",             "Manorville "},
    {636, "Missouri",       "CENTRAL",  "America/Chicago",              "Chesterfield  & Union"},
    {641, "Iowa",           "CENTRAL",  "America/Chicago",              "Creston, Mason City & Oskaloosa"},
    {646, "New York",       "EASTERN",  "America/New_York",             "New York"},
    {647, "Canada",         "EASTERN",  "America/Toronto",              "Toronto  "},
    {649, "--",             "EASTERN",  "America/Grand_Turk",           "Turks and Caicos "},
    {650, "California",     "PACIFIC",  "America/Los_Angeles",          "Palo Alto, San Francisco & San Mateo"},
    {651, "Minnesota",      "CENTRAL",  "America/Chicago",              "Lindstrom, Red Wing & Saint Paul "},
    {657, "California",     "PACIFIC",  "America/Los_Angeles",          "S California  "},
    {660, "Missouri",       "CENTRAL",  "America/Chicago",              "Macon, Marshall, Maryville, Sedalia & Trenton "},
    {661, "California",     "PACIFIC",  "America/Los_Angeles",          "Bakersfield"},
    {662, "Mississippi",    "CENTRAL",  "America/Chicago",              "Clarksdale, Columbus, Greenville, Holly Springs,Tupelo & Winona "},
    {664, "--",             "EASTERN",  "America/Montserrat",           "Montserrat "},
    {669, "California",     "PACIFIC",  "America/Los_Angeles",          "San Jose"},
    {670, "--",             "EASTERN",  "Pacific/Saipan",               "Commonwealth of the Northern Mariana Islands"},
    {671, "--",             "EASTERN",  "Pacific/Guam",                 "Guam "},
    {678, "Georgia",        "EASTERN",  "America/New_York",             "Atlanta"},
    {682, "Texas",          "CENTRAL",  "America/Chicago",              "Fort Worth "},
    {701, "North Dakota",   "CENTRAL",  "America/Chicago",              "Bismarck, Devils Lake, Dickinson, Fargo, Grand Forks, Jamestown, Minot & Williston "},
    {702, "Nevada",         "PACIFIC",  "America/Los_Angeles",          "Las Vegas"},
    {703, "Virginia",       "EASTERN",  "America/New_York",             "Alexandria "},
    {704, "North Carolina", "EASTERN",  "America/New_York",             "Charlotte & Kingstown"},
    {705, "Canada",         "EASTERN",  "America/Toronto",              "Sault Ste. Marie    "},
    {706, "Georgia",        "EASTERN",  "America/New_York",             "Athens, Augusta, Columbus & Rome"},
    {707, "California",     "PACIFIC",  "America/Los_Angeles",          "Eureka, Santa Rosa & Ukiah"},
    {708, "Illinois",       "CENTRAL",  "America/Chicago",              "Chicago Heights"},
    {709, "Canada",         "ATLANTIC", "America/St_Johns",             "Newfoundland   "},
    {710, "US",             "EASTERN",  "America/New_York",             "US Government    "},
    {712, "Iowa",           "CENTRAL",  "America/Chicago",              "Council Bluffs, Estherville & Sioux City "},
    {713, "Texas",          "CENTRAL",  "America/Chicago",              "Houston "},
    {714, "California",     "PACIFIC",  "America/Los_Angeles",          "Huntington Beach & Orange"},
    {715, "Wisconsin",      "CENTRAL",  "America/Chicago",              "Ashland, Eau Claire, Rhinelander, Rice Lake & Wausau"},
    {716, "New York",       "EASTERN",  "America/New_York",             "Buffalo, Jamestown, Rochester & Wellsville "},
    {717, "Pennsylvania",   "EASTERN",  "America/New_York",             " Gettysburg &Harrisburg "},
    {718, "New York",       "EASTERN",  "America/New_York",             "Bronx"},
    {719, "Colorado",       "MOUNTAIN", "America/Denver",               "Colorado Springs, Pueblo & Trinidad"},
    {720, "Colorado",       "MOUNTAIN", "America/Denver",               "Boulder & Denver"},
    {724, "Pennsylvania",   "EASTERN",  "America/New_York",             "New Castle, Pittsburgh & Uniontown "},
    {727, "Florida",        "EASTERN",  "America/New_York",             "Clearwater"},
    {732, "New Jersey",     "EASTERN",  "America/New_York",             "Lakewood, Neptune & New Brunswick"},
    {734, "Michigan",       "EASTERN",  "America/Detroit",              "Ann Arbor & Monroe "},
    {740, "Ohio",           "EASTERN",  "America/New_York",             "Cambridge, Jackson, Lancaster & Marietta "},
    {752, "California",     "PACIFIC",  "America/Los_Angeles",          "Ontario, Pomona, Upland"},
    {757, "Virginia",       "EASTERN",  "America/New_York",             "Norfolk "},
    {758, "--",             "EASTERN",  "America/St_Lucia",             "St. Lucia "},
    {760, "California",     "PACIFIC",  "America/Los_Angeles",          "Bishop, Blythe, Indio & Ridgecrest"},
    {763, "Minnesota",      "CENTRAL",  "America/Chicago",              " Maple Grove "},
    {764, "California",     "PACIFIC",  "America/Los_Angeles",          "San Francisco "},
    {765, "Indiana",        "CENTRAL",  "America/Indiana/Indianapolis", "Marion, Muncie, Lafayette & Richmond"},
    {767, "--",             "EASTERN",  "America/Dominica",             "Dominica "},
    {770, "Georgia",        "EASTERN",  "America/New_York",             "Cedartown, Gainesville, Griffin, Marietta & Roswell"},
    {773, "Illinois",       "CENTRAL",  "America/Chicago",              "Chicago"},
    {775, "Nevada",         "PACIFIC",  "America/Los_Angeles",          "Carson City, Elko, Ely, Reno & Tonopah"},
    {780, "Canada",         "MOUNTAIN", "America/Edmonton",             "Alberta    "},
    {781, "Massachusetts",  "EASTERN",  "America/New_York",             "Norwood, Saugus & Weymouth "},
    {784, "--",             "EASTERN",  "America/St_Vincent",           "St. Vincent Grenadines "},
    {785, "Kansas",         "CENTRAL",  "America/Chicago",              "Colby, Mankato, Salina & Topeka "},
    {786, "Florida",        "EASTERN",  "America/New_York",             "Miami"},
    {787, "PR",             "EASTERN",  "America/Puerto_Rico",          "Puerto Rico  "},
    {801, "Utah",           "MOUNTAIN", "America/Denver",               "Ogden, Provo & Salt Lake City"},
    {802, "Vermont",        "EASTERN",  "America/New_York",             "Bennington, Brattleboro, Burlington, Montpelier, Newport, Rutland, Saint Johnsbury & White River Junction "},
    {803, "South Carolina", "EASTERN",  "America/New_York",             "Aiken, Columbia, Rock Hill & Sumter "},
    {804, "Virginia",       "EASTERN",  "America/New_York",             "Richmond"},
    {805, "California",     "PACIFIC",  "America/Los_Angeles",          "Lompoc & San Luis Obispo"},
    {806, "Texas",          "CENTRAL",  "America/Chicago",              "Amarillo & Lubbock "},
    {807, "Canada",         "EASTERN",  "America/Toronto",              "Thunder Bay  "},
    {808, "Hawaii",         "HAWAII",   "Pacific/Honolulu",             "Hanamaulu, Hilo, Honolulu, Kailua, Kamuela, Kaunakakai, Lahaina & Wailuku"},
    {809, "--",             "EASTERN",  "America/Santo_Domingo",        "Bermuda, Puerto Rico, Virgin Islands & Caribbean "},
    {810, "Michigan",       "EASTERN",  "America/Detroit",              "Flint & Port Huron "},
    {812, "Indiana",        "CENTRAL",  "America/Indiana/Indianapolis", "Bloomington, Evansville, New Albany & Terre Haute"},
    {813, "Florida",        "EASTERN",  "America/New_York",             "Tampa"},
    {814, "Pennsylvania",   "EASTERN",  "America/New_York",             "Altoona, Erie, Johnstown & Warren "},
    {815, "Illinois",       "CENTRAL",  "America/Chicago",              "De Kalb, Freeport, La Salle & Rockford"},
    {816, "Missouri",       "CENTRAL",  "America/Chicago",              "Kansas City  & Saint Joseph "},
    {817, "Texas",          "CENTRAL",  "America/Chicago",              "Fort Worth "},
    {818, "California",     "PACIFIC",  "America/Los_Angeles",          "Glendale & San Fernando"},
    {819, "Canada",         "EASTERN",  "America/Toronto",              "Trois Rivieres   "},
    {828, "North Carolina", "EASTERN",  "America/New_York",             "Asheville, Brevard & Morganton "},
    {830, "Texas",          "CENTRAL",  "America/Chicago",              "Uvalde"},
    {831, "California",     "PACIFIC",  "America/Los_Angeles",          "Salinas"},
    {832, "Texas",          "CENTRAL",  "America/Chicago",              "Houston "},
    {843, "South Carolina", "EASTERN",  "America/New_York",             "Charleston, Florence, Hilton Head Island & Myrtle Beach "},
    {845, "New York",       "EASTERN",  "America/New_York",             "Middletown & Poughkeepsie "},
    {847, "Illinois",       "CENTRAL",  "America/Chicago",              "Evanston, Northbrook & Waukegan"},
    {850, "Florida",        "EASTERN",  "America/Chicago",              "Tallahassee"},
    {856, "New Jersey",     "EASTERN",  "America/New_York",             "Cherry Hill & Vineland"},
    {858, "California",     "PACIFIC",  "America/Los_Angeles",          "Solana Beach"},
    {859, "Kentucky",       "EASTERN",  "America/New_York",             "Lexington "},
    {860, "Connecticut",    "EASTERN",  "America/New_York",             "Hartford , Norwich , Putnam District & Torrington"},
    {863, "Florida",        "EASTERN",  "America/New_York",             "Avon Park & Clewiston"},
    {864, "South Carolina", "EASTERN",  "America/New_York",             "Anderson, Greenville & Spartanburg "},
    {865, "Tennessee",      "CENTRAL",  "America/New_York",             "Knoxville "},
    {867, "--",             "PACIFIC",  "America/Whitehorse",           "Yukon and Northwest Territories"},
    {868, "--",             "EASTERN",  "America/Port_of_Spain",        "Trinidad and Tobago  "},
    {869, "--",             "EASTERN",  "America/St_Kitts",             "St. Kitts Nevis  "},
    {870, "Arkansas",       "CENTRAL",  "America/Chicago",              "Jonesboro, Monticello, Mountain Home, Pine Bluff & Texarkana"},
    {876, "--",             "EASTERN",  "America/Jamaica",              "Jamaica  "},
    {878, "Pennsylvania",   "EASTERN",  "America/New_York",             "New Castle, Pittsburgh & Uniontown "},
    {901, "Tennessee",      "CENTRAL",  "America/Chicago",              "Memphis"},
    {902, "Canada",         "ATLANTIC", "America/Halifax",              "Nova Scotia, Prince Edward Island  "},
    {903, "Texas",          "CENTRAL",  "America/Chicago",              "Sherman & Tyler "},
    {904, "Florida",        "EASTERN",  "America/New_York",             "Jacksonville & St.Augustine"},
    {905, "Canada",         "EASTERN",  "America/Toronto",              "Hamilton "},
    {906, "Michigan",       "EASTERN",  "America/Detroit",              "Escanaba, Ironwood, Marquette & Sault Sainte Marie "},
    {907, "Alaska",         "ALASKA",   "America/Anchorage",            "Anchorage, Barrow, Fairbanks, Juneau, Kodiak & Nome"},
    {908, "New Jersey",     "EASTERN",  "America/New_York",             "Washington"},
    {909, "California",     "PACIFIC",  "America/Los_Angeles",          "San Bernardino & Temecula"},
    {910, "North Carolina", "EASTERN",  "America/New_York",             "Fayetteville ,Jacksonville & Wilmington "},
    {912, "Georgia",        "EASTERN",  "America/New_York",             "Brunswick, Savannah, Vidalia & Waycross"},
    {913, "Kansas",         "CENTRAL",  "America/Chicago",              " Kansas City & Overland Park"},
    {914, "New York",       "EASTERN",  "America/New_York",             "White Plains "},
    {915, "Texas",          "CENTRAL",  "America/Denver",               "Alpine, Abilene, El Paso & Midland "},
    {916, "California",     "PACIFIC",  "America/Los_Angeles",          "Sacramento"},
    {917, "New York",       "EASTERN",  "America/New_York",             "Bronx"},
    {918, "Oklahoma",       "CENTRAL",  "America/Chicago",              "Bartlesville, McAlester & Tulsa "},
    {919, "North Carolina", "EASTERN",  "America/New_York",             "Durham & Raleigh "},
    {920, "Wisconsin",      "CENTRAL",  "America/Chicago",              "Green Bay, Oshkosh & Sheboygan"},
    {925, "California",     "PACIFIC",  "America/Los_Angeles",          "Concord & Pleasanton"},
    {931, "Tennessee",      "CENTRAL",  "America/Chicago",              "Clarksville ,Columbia ,Cookeville & Manchester "},
    {935, "California",     "PACIFIC",  "America/Los_Angeles",          "San Diego"},
    {937, "Ohio",           "EASTERN",  "America/New_York",             "Carlisle, Dayton, Hillsboro, Marysville & Springfield"},
    {940, "Texas",          "CENTRAL",  "America/Chicago",              "Vernon & Wichita Falls "},
    {941, "Florida",        "EASTERN",  "America/New_York",             "Fort Myers & Naples"},
    {949, "California",     "PACIFIC",  "America/Los_Angeles",          "Irvine & Laguna Niguel"},
    {951, "California",     "PACIFIC",  "America/Los_Angeles",          "Corona, Moreno Valley, Riverside & Temecula "},
    {952, "Minnesota",      "CENTRAL",  "America/Chicago",              "Bloomington "},
    {954, "Florida",        "EASTERN",  "America/New_York",             "Fort Lauderdale"},
    {956, "Texas",          "CENTRAL",  "America/Chicago",              "Brownsville, Laredo & McAllen "},
    {959, "Connecticut",    "EASTERN",  "America/New_York",             "Hartford, Norwich, Putnam District & Torrington"},
    {970, "Colorado",       "MOUNTAIN", "America/Denver",               "Aspen, Durango, Fort Collins, Grand Junction, Steamboat Springs & Sterling"},
    {971, "Oregon",         "PACIFIC",  "America/Los_Angeles",          "Portland & Salem "},
    {972, "Texas",          "CENTRAL",  "America/Chicago",              "Dallas"},
    {973, "New Jersey",     "EASTERN",  "America/New_York",             "Sussex"},
    {978, "Massachusetts",  "EASTERN",  "America/New_York",             "Fitchburg, Methuen & Peabody "},
    {980, "North Carolina", "EASTERN",  "America/New_York",             "Charlotte & Kingstown"},
    {989, "Michigan",       "EASTERN",  "America/Detroit",              "Alpena, Mount Pleasant & Saginaw  "},
};
// clang-format on

constexpr int NoRow = -1;

constexpr bool isAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The shape of an IANA zone id such as "America/Indiana/Indianapolis": two or more parts
// separated by '/', each a capital letter followed by letters, '_' or '-', at most 14 in all.
// Whether the id is in the installed database is a matter for the machine, checked by a test.
constexpr bool isZoneId(std::string_view id)
{
    int parts = 0;
    for (std::size_t start = 0; start <= id.size(); ++parts) {
        const std::size_t end = std::min(id.find('/', start), id.size());
        const std::string_view part = id.substr(start, end - start);
        if (part.empty() || part.size() > 14 || part[0] < 'A' || part[0] > 'Z')
            return false;
        for (char c : part)
            if (!isAsciiLetter(c) && c != '_' && c != '-')
                return false;
        start = end + 1;
    }
    return parts >= 2;
}

// Built by the compiler, so there is nothing to load at start-up and a bad row fails the build.
constexpr auto RowByCode = [] {
    std::array<short, LastCode + 1> index{};
    index.fill(NoRow);
    int previous = FirstCode - 1;
    for (int i = 0; i < int(std::size(Rows)); ++i) {
        const Row &row = Rows[i];
        if (row.code <= previous || row.code > LastCode)
            throw "directory row out of range, repeated or out of code order";
        if (row.zone.empty() || !isZoneId(row.clockZone))
            throw "directory row without a zone name or with a malformed clock zone id";
        index[row.code] = short(i);
        previous = row.code;
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

QByteArrayView ClockZoneByCode(int code)
{
    const Row *row = rowFor(code);
    return row ? QByteArrayView(row->clockZone.data(), qsizetype(row->clockZone.size()))
               : QByteArrayView();
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
