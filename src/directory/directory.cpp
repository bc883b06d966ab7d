#include "directory/directory.h"

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace dialhour {
namespace {

struct Row {
    int code;
    Origin origin;
    std::string_view state;
    std::string_view zone;
    // The IANA zone of the place where most of the code's numbers are today.
    std::string_view clockZone;
    std::string_view location;
};

// A code that answers exactly as its parent, whose area it overlays: only the code differs.
struct Overlay {
    int code;
    int parent;
};

// A code whose numbers share the area, and so the other clocks, of the area's first code.
struct SameArea {
    int code;
    int area;
};

using enum Origin;

// The strings are the product's content and are shown exactly as stored, odd spacing included.
// docs/directory.md says where they come from and how to add a code.
// clang-format off
constexpr Row Rows[] = {
    {201, Classic, "New Jersey",     "EASTERN",  "America/New_York",             "Jersey City and surrounding area"},
    {202, Classic, "Washington DC",  "EASTERN",  "America/New_York",             "Washington, DC"},
    {203, Classic, "Connecticut",    "EASTERN",  "America/New_York",             "Bridgeport, New Haven, Stamford & Waterbury"},
    {204, Classic, "Canada",         "CENTRAL",  "America/Winnipeg",             "Manitoba    "},
    {205, Classic, "Alabama",        "CENTRAL",  "America/Chicago",              "Birmingham & Tuscaloosa"},
    {206, Classic, "Washington",     "PACIFIC",  "America/Los_Angeles",          "Seattle"},
    {207, Classic, "Maine",          "EASTERN",  "America/New_York",             "Augusta, Bangor, Calais, Lewiston, Millinocket, Portland, Presque Isle & Rumford"},
    {208, Classic, "Idaho",          "MOUNTAIN", "America/Boise",                "Boise, Idaho Falls, Lewiston, Pocatello & Twin Falls"},
    {209, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Merced & Stockton"},
    {210, Classic, "Texas",          "CENTRAL",  "America/Chicago",              "San Antonio "},
    {212, Classic, "New York",       "EASTERN",  "America/New_York",             "New York"},
    {213, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Los Angeles"},
    {214, Classic, "Texas",          "CENTRAL",  "America/Chicago",              "Plano "},
    {215, Classic, "Pennsylvania",   "EASTERN",  "America/New_York",             "Philadelphia    "},
    {216, Classic, "Ohio",           "EASTERN",  "America/New_York",             "Cleveland "},
    {217, Classic, "Illinois",       "CENTRAL",  "America/Chicago",              "Champaign, Decatur & Springfield"},
    {218, Classic, "Minnesota",      "CENTRAL",  "America/Chicago",              "Brainerd, Duluth, Grand Rapids, Thief River Falls & Virginia"},
    {219, Classic, "Indiana",        "CENTRAL",  "America/Chicago",              "Fort  Wayne, Gary & South Bend"},
    {220, Since,   "Ohio",           "EASTERN",  "America/New_York",             "Athens, Lancaster, Marietta, Newark & Zanesville"},
    {223, Since,   "Pennsylvania",   "EASTERN",  "America/New_York",             "Gettysburg, Harrisburg, Lancaster & York"},
    {224, Classic, "Illinois",       "CENTRAL",  "America/Chicago",              "Northern Illinois"},
    {225, Classic, "Louisiana",      "CENTRAL",  "America/Chicago",              "Baton Rouge & New Roads"},
    {226, Since,   "Canada",         "EASTERN",  "America/Toronto",              "London, Kitchener & Windsor"},
    {227, Since,   "Maryland",       "EASTERN",  "America/New_York",             "Cumberland, Frederick, Hagerstown & Silver Spring"},
    {228, Classic, "Mississippi",    "CENTRAL",  "America/Chicago",              "Gulfport & Pascagoula"},
    {229, Classic, "Georgia",        "EASTERN",  "America/New_York",             "Albany , Americus, Bainbridge & Valdosta"},
    {231, Classic, "Michigan",       "EASTERN",  "America/Detroit",              "Ludington, Muskegon, Petoskey & Traverse City "},
    {234, Classic, "Ohio",           "EASTERN",  "America/New_York",             "Akron, Canton & Youngstown "},
    {235, Since,   "Missouri",       "CENTRAL",  "America/Chicago",              "Cape Girardeau, Columbia, Jefferson City & Rolla"},
    {236, Since,   "Canada",         "PACIFIC",  "America/Vancouver",            "British Columbia"},
    {239, Since,   "Florida",        "EASTERN",  "America/New_York",             "Fort Myers, Naples & Cape Coral"},
    {240, Classic, "Maryland",       "EASTERN",  "America/New_York",             "Cumberland, Frederick & Hagerstown "},
    {242, Classic, "--",             "EASTERN",  "America/Nassau",               "Bahamas  "},
    {246, Classic, "--",             "EASTERN",  "America/Barbados",             "Barbados "},
    {248, Classic, "Michigan",       "EASTERN",  "America/Detroit",              "Troy "},
    {249, Since,   "Canada",         "EASTERN",  "America/Toronto",              "Barrie, Peterborough, Sault Ste. Marie & Sudbury"},
    {250, Classic, "Canada",         "PACIFIC",  "America/Vancouver",            "British Columbia"},
    {251, Since,   "Alabama",        "CENTRAL",  "America/Chicago",              "Mobile & Gulf Shores"},
    {252, Classic, "North Carolina", "EASTERN",  "America/New_York",             "Greenville & Kitty Hawk "},
    {253, Classic, "Washington",     "PACIFIC",  "America/Los_Angeles",          "Tacoma"},
    {254, Classic, "Texas",          "CENTRAL",  "America/Chicago",              "Killeen & Waco "},
    {256, Classic, "Alabama",        "CENTRAL",  "America/Chicago",              "Anniston, Florence, Gadsden & Huntsville "},
    {257, Since,   "Canada",         "PACIFIC",  "America/Vancouver",            "British Columbia"},
    {260, Since,   "Indiana",        "EASTERN",  "America/Indiana/Indianapolis", "Fort Wayne"},
    {262, Classic, "Wisconsin",      "CENTRAL",  "America/Chicago",              "Racine & West Bend"},
    {263, Since,   "Canada",         "EASTERN",  "America/Toronto",              "Montreal"},
    {264, Classic, "--",             "EASTERN",  "America/Anguilla",             "Anguilla "},
    {267, Classic, "Pennsylvania",   "EASTERN",  "America/New_York",             "Philadelphia "},
    {268, Classic, "--",             "EASTERN",  "America/Antigua",              "Antigua and Barbuda  "},
    {269, Since,   "Michigan",       "EASTERN",  "America/Detroit",              "Battle Creek, Benton Harbor & Kalamazoo"},
    {270, Classic, "Kentucky",       "EASTERN",  "America/Chicago",              "Bowling Green, Hopkinsville, Owensboro & Paducah "},
    {272, Since,   "Pennsylvania",   "EASTERN",  "America/New_York",             "Scranton, Wilkes-Barre & Williamsport"},
    {274, Since,   "Wisconsin",      "CENTRAL",  "America/Chicago",              "Appleton, Green Bay, Oshkosh & Sheboygan"},
    {276, Since,   "Virginia",       "EASTERN",  "America/New_York",             "Abingdon, Bristol, Martinsville & Wytheville"},
    {279, Since,   "California",     "PACIFIC",  "America/Los_Angeles",          "Sacramento"},
    {281, Classic, "Texas",          "CENTRAL",  "America/Chicago",              "Houston "},
    {283, Since,   "Ohio",           "EASTERN",  "America/New_York",             "Cincinnati & Hamilton"},
    {284, Classic, "--",             "EASTERN",  "America/Tortola",              "British Virgin Islands"},
    {289, Since,   "Canada",         "EASTERN",  "America/Toronto",              "Hamilton, Mississauga, Oshawa & St. Catharines"},
    {301, Classic, "Maryland",       "EASTERN",  "America/New_York",             "Cumberland ,Frederick & Hagerstown "},
    {302, Classic, "Delaware",       "EASTERN",  "America/New_York",             "Dover, Georgetown, Middleford, Milford, Nassau, Seaford & Wilmington"},
    {303, Classic, "Colorado",       "MOUNTAIN", "America/Denver",               "Boulder & Denver"},
    {304, Classic, "West Virginia",  "EASTERN",  "America/New_York",             "Beckley, Bluefield, Charleston, Huntington, Martinsburg, Morgantown, Parkersburg, Richwood & Wheeling"},
    {305, Classic, "Florida",        "EASTERN",  "America/New_York",             "Marathon"},
    {306, Classic, "Canada",         "MOUNTAIN", "America/Regina",               "Saskatchewan   "},
    {307, Classic, "Wyoming",        "MOUNTAIN", "America/Denver",               "Casper, Cheyenne, Cody, Evanston, Gillette, Green River, Jackson, Laramie, Riverton & Sheridan"},
    {308, Classic, "Nebraska",       "CENTRAL",  "America/Chicago",              "Grand Island, McCook, North Platte & Scottsbluff "},
    {309, Classic, "Illinois",       "CENTRAL",  "America/Chicago",              "Moline & Peoria"},
    {310, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          ""},
    {312, Classic, "Illinois",       "CENTRAL",  "America/Chicago",              "Chicago "},
    {313, Classic, "Michigan",       "EASTERN",  "America/Detroit",              "Detroit "},
    {314, Classic, "Missouri",       "CENTRAL",  "America/Chicago",              "Saint Louis"},
    {315, Classic, "New York",       "EASTERN",  "America/New_York",             "Syracuse, Utica & Watertown "},
    {316, Classic, "Kansas",         "CENTRAL",  "America/Chicago",              "Wichita"},
    {317, Classic, "Indiana",        "CENTRAL",  "America/Indiana/Indianapolis", "Indianapolis"},
    {318, Classic, "Louisiana",      "CENTRAL",  "America/Chicago",              "Alexandria, Monroe & Shreveport "},
    {319, Classic, "Iowa",           "CENTRAL",  "America/Chicago",              "Burlington, Cedar Rapids, Iowa City, Waterloo"},
    {320, Classic, "Minnesota",      "CENTRAL",  "America/Chicago",              "Hutchinson, Morris & Saint Cloud "},
    {321, Classic, "Florida",        "EASTERN",  "America/New_York",             "Orlando"},
    {323, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Florence"},
    {324, Since,   "Florida",        "EASTERN",  "America/New_York",             "Jacksonville & St. Augustine"},
    {325, Since,   "Texas",          "CENTRAL",  "America/Chicago",              "Abilene & San Angelo"},
    {326, Since,   "Ohio",           "EASTERN",  "America/New_York",             "Dayton & Springfield"},
    {327, Since,   "Arkansas",       "CENTRAL",  "America/Chicago",              "Jonesboro, Pine Bluff & Texarkana"},
    {329, Since,   "New York",       "EASTERN",  "America/New_York",             "Middletown, Newburgh & Poughkeepsie"},
    {330, Classic, "Ohio",           "EASTERN",  "America/New_York",             "Akron, Canton & Youngstown "},
    {331, Since,   "Illinois",       "CENTRAL",  "America/Chicago",              "Aurora & Naperville"},
    {332, Since,   "New York",       "EASTERN",  "America/New_York",             "Manhattan"},
    {334, Classic, "Alabama",        "CENTRAL",  "America/Chicago",              "Auburn, Montgomery & Selma"},
    {336, Classic, "North Carolina", "EASTERN",  "America/New_York",             "Winston-Salem "},
    {337, Classic, "Louisiana",      "CENTRAL",  "America/Chicago",              "Lafayette & Lake Charles "},
    {339, Classic, "Massachusetts",  "EASTERN",  "America/New_York",             "Norwood , Saugus  & Weymouth "},
    {340, Classic, "--",             "EASTERN",  "America/St_Thomas",            "US Virgin Islands "},
    {341, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Northern California"},
    {343, Since,   "Canada",         "EASTERN",  "America/Toronto",              "Ottawa"},
    {345, Classic, "--",             "EASTERN",  "America/Cayman",               "Cayman Islands"},
    {346, Since,   "Texas",          "CENTRAL",  "America/Chicago",              "Houston"},
    {347, Classic, "New York",       "EASTERN",  "America/New_York",             "Bronx"},
    {350, Since,   "California",     "PACIFIC",  "America/Los_Angeles",          "Merced, Modesto & Stockton"},
    {351, Classic, "Massachusetts",  "EASTERN",  "America/New_York",             "Fitchburg, Methuen & Peabody "},
    {352, Classic, "Florida",        "EASTERN",  "America/New_York",             "Gainesville & Ocala"},
    {353, Since,   "Wisconsin",      "CENTRAL",  "America/Chicago",              "Janesville, La Crosse & Madison"},
    {354, Since,   "Canada",         "EASTERN",  "America/Toronto",              "Laval & Longueuil"},
    {360, Classic, "Washington",     "PACIFIC",  "America/Los_Angeles",          "Bellingham"},
    {361, Classic, "Texas",          "CENTRAL",  "America/Chicago",              "Corpus Christi  & Victoria "},
    {363, Since,   "New York",       "EASTERN",  "America/New_York",             "Long Island"},
    {364, Since,   "Kentucky",       "CENTRAL",  "America/Chicago",              "Bowling Green, Hopkinsville, Owensboro & Paducah"},
    {365, Since,   "Canada",         "EASTERN",  "America/Toronto",              "Hamilton, Mississauga, Oshawa & St. Catharines"},
    {367, Since,   "Canada",         "EASTERN",  "America/Toronto",              "Quebec City & Saguenay"},
    {368, Since,   "Canada",         "MOUNTAIN", "America/Edmonton",             "Alberta"},
    {369, Since,   "California",     "PACIFIC",  "America/Los_Angeles",          "Eureka, Napa, Santa Rosa & Vallejo"},
    {380, Since,   "Ohio",           "EASTERN",  "America/New_York",             "Columbus"},
    {382, Since,   "Canada",         "EASTERN",  "America/Toronto",              "London, Kitchener & Windsor"},
    {385, Classic, "Utah",           "MOUNTAIN", "America/Denver",               "Bountiful, Ogden & Provo "},
    {386, Since,   "Florida",        "EASTERN",  "America/New_York",             "Daytona Beach, DeLand, Lake City & Palatka"},
    {401, Classic, "Rhode Island",   "EASTERN",  "America/New_York",             "Cranston, Foster, Newport, Providence, Warwick, Westerly & Woonsocket"},
    {402, Classic, "Nebraska",       "CENTRAL",  "America/Chicago",              "Lincoln, Norfolk, Omaha & Valentine "},
    {403, Classic, "Canada",         "MOUNTAIN", "America/Edmonton",             "Alberta    "},
    {404, Classic, "Georgia",        "EASTERN",  "America/New_York",             "Atlanta"},
    {405, Classic, "Oklahoma",       "CENTRAL",  "America/Chicago",              "Edmond & Oklahoma City "},
    {406, Classic, "Montana",        "MOUNTAIN", "America/Denver",               "Billings, Bozeman, Butte, Great Falls, Havre, Helena, Kalispell, Miles City, Missoula & Wolf Point "},
    {407, Classic, "Florida",        "EASTERN",  "America/New_York",             "Orlando"},
    {408, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Los Gatos & San Jose"},
    {409, Classic, "Texas",          "CENTRAL",  "America/Chicago",              "Beaumont "},
    {410, Classic, "Maryland",       "EASTERN",  "America/New_York",             "Aberdeen, Baltimore, Cambridge, Salisbury & Severna Park "},
    {412, Classic, "Pennsylvania",   "EASTERN",  "America/New_York",             "New Castle, Pittsburgh & Uniontown "},
    {413, Classic, "Massachusetts",  "EASTERN",  "America/New_York",             "Pittsfield & Springfield "},
    {414, Classic, "Wisconsin",      "CENTRAL",  "America/Chicago",              "Milwaukee"},
    {415, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Novato & San Rafael"},
    {416, Classic, "Canada",         "EASTERN",  "America/Toronto",              "Toronto  "},
    {417, Classic, "Missouri",       "CENTRAL",  "America/Chicago",              "Joplin,Springfield & West Plains "},
    {418, Classic, "Canada",         "EASTERN",  "America/Toronto",              "Quebec   "},
    {419, Classic, "Ohio",           "EASTERN",  "America/New_York",             "Bowling Green, Bryan, Mansfield, Lima, Sandusky & Toledo "},
    {423, Classic, "Tennessee",      "CENTRAL",  "America/New_York",             "Chattanooga & Sweetwater"},
    {424, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Malibu & Santa Monica"},
    {425, Classic, "Washington",     "PACIFIC",  "America/Los_Angeles",          ""},
    {428, Since,   "Canada",         "ATLANTIC", "America/Moncton",              "New Brunswick"},
    {430, Since,   "Texas",          "CENTRAL",  "America/Chicago",              "Sherman, Texarkana & Tyler"},
    {431, Since,   "Canada",         "CENTRAL",  "America/Winnipeg",             "Manitoba"},
    {432, Since,   "Texas",          "CENTRAL",  "America/Chicago",              "Alpine, Big Spring, Midland & Odessa"},
    {434, Since,   "Virginia",       "EASTERN",  "America/New_York",             "Charlottesville, Danville & Lynchburg"},
    {435, Classic, "Utah",           "MOUNTAIN", "America/Denver",               "Blanding, Logan, Moab, Richfield & Saint George"},
    {437, Since,   "Canada",         "EASTERN",  "America/Toronto",              "Toronto"},
    {438, Since,   "Canada",         "EASTERN",  "America/Toronto",              "Montreal"},
    {440, Classic, "Ohio",           "EASTERN",  "America/New_York",             "Elyria "},
    {441, Classic, "--",             "EASTERN",  "Atlantic/Bermuda",             "Bermuda"},
    {442, Since,   "California",     "PACIFIC",  "America/Los_Angeles",          "Escondido, Oceanside, Palm Springs & Victorville"},
    {443, Classic, "Maryland",       "EASTERN",  "America/New_York",             "Aberdeen, Baltimore, Cambridge, Salisbury & Severna Park "},
    {445, Since,   "Pennsylvania",   "EASTERN",  "America/New_York",             "Philadelphia"},
    {447, Since,   "Illinois",       "CENTRAL",  "America/Chicago",              "Champaign, Decatur & Springfield"},
    {448, Since,   "Florida",        "CENTRAL",  "America/Chicago",              "Panama City, Pensacola & Tallahassee"},
    {450, Classic, "Canada",         "EASTERN",  "America/Toronto",              "Quebec  "},
    {458, Since,   "Oregon",         "PACIFIC",  "America/Los_Angeles",          "Bend, Eugene & Medford"},
    {463, Since,   "Indiana",        "EASTERN",  "America/Indiana/Indianapolis", "Indianapolis"},
    {464, Since,   "Illinois",       "CENTRAL",  "America/Chicago",              "Chicago Heights, Oak Lawn & Oak Park"},
    {468, Since,   "Canada",         "EASTERN",  "America/Toronto",              "Gatineau, Sherbrooke & Trois-Rivieres"},
    {469, Classic, "Texas",          "CENTRAL",  "America/Chicago",              "Dallas"},
    {470, Since,   "Georgia",        "EASTERN",  "America/New_York",             "Atlanta"},
    {472, Since,   "North Carolina", "EASTERN",  "America/New_York",             "Fayetteville, Jacksonville & Wilmington"},
    {473, Classic, "--",             "EASTERN",  "America/Grenada",              "Grenada"},
    {474, Since,   "Canada",         "CENTRAL",  "America/Regina",               "Saskatchewan"},
    {475, Classic, "Connecticut",    "EASTERN",  "America/New_York",             "Bridgeport, New Haven, Stamford & Waterbury"},
    {478, Classic, "Georgia",        "EASTERN",  "America/New_York",             "Macon, Swainsboro & Warner Robins"},
    {479, Since,   "Arkansas",       "CENTRAL",  "America/Chicago",              "Fayetteville, Fort Smith & Rogers"},
    {480, Classic, "Arizona",        "MOUNTAIN", "America/Phoenix",              "Chandler"},
    {484, Classic, "Pennsylvania",   "EASTERN",  "America/New_York",             "Allentown & Reading "},
    {501, Classic, "Arkansas",       "CENTRAL",  "America/Chicago",              "Fort Smith, Hot Springs & Little Rock"},
    {502, Classic, "Kentucky",       "EASTERN",  "America/New_York",             "Fern Creek & Louisville"},
    {503, Classic, "Oregon",         "PACIFIC",  "America/Los_Angeles",          "Astoria & Tillamook "},
    {504, Classic, "Louisiana",      "CENTRAL",  "America/Chicago",              "New Orleans "},
    {505, Classic, "New Mexico",     "MOUNTAIN", "America/Denver",               "Albuquerque, Carlsbad, Gallup, Farmington, Las Cruces, Roswell, Santa Fe, Silver City & Taos"},
    {506, Classic, "Canada",         "ATLANTIC", "America/Moncton",              "New Brunswick  "},
    {507, Classic, "Minnesota",      "CENTRAL",  "America/Chicago",              "Mankato, Marshall, Rochester & Worthington "},
    {508, Classic, "Massachusetts",  "EASTERN",  "America/New_York",             "Attleboro, New Bedford & Worcester "},
    {509, Classic, "Washington",     "PACIFIC",  "America/Los_Angeles",          "Spokane, Walla Walla & Yakima"},
    {510, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Hayward & Oakland"},
    {512, Classic, "Texas",          "CENTRAL",  "America/Chicago",              "Austin"},
    {513, Classic, "Ohio",           "EASTERN",  "America/New_York",             "Dayton"},
    {514, Classic, "Canada",         "EASTERN",  "America/Toronto",              "Montreal "},
    {515, Classic, "Iowa",           "CENTRAL",  "America/Chicago",              "Ames, Des Moines & Fort Dodge "},
    {516, Classic, "New York",       "EASTERN",  "America/New_York",             "Long Island"},
    {517, Classic, "Michigan",       "EASTERN",  "America/Detroit",              "Jackson & Lansing "},
    {518, Classic, "New York",       "EASTERN",  "America/New_York",             "Albany, Saranac Lake & Plattsburgh "},
    {519, Classic, "Canada",         "EASTERN",  "America/Toronto",              "Windsor "},
    {520, Classic, "Arizona",        "MOUNTAIN", "America/Phoenix",              "Casa Grande, Sierra Vista & Tucson"},
    {530, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Alturas, Chico & Redding"},
    {531, Since,   "Nebraska",       "CENTRAL",  "America/Chicago",              "Lincoln & Omaha"},
    {534, Since,   "Wisconsin",      "CENTRAL",  "America/Chicago",              "Eau Claire, Rhinelander & Wausau"},
    {539, Since,   "Oklahoma",       "CENTRAL",  "America/Chicago",              "Bartlesville, McAlester & Tulsa"},
    {540, Classic, "Virginia",       "EASTERN",  "America/New_York",             "Abingdon, Fredericksburg,Harrisonburg, Roanoke,Winchester & Wytheville  "},
    {541, Classic, "Oregon",         "PACIFIC",  "America/Los_Angeles",          "Bend, Burns, Eugene, La Grande, Lakeview, Medford & Ontario "},
    {548, Since,   "Canada",         "EASTERN",  "America/Toronto",              "London, Kitchener & Windsor"},
    {551, Since,   "New Jersey",     "EASTERN",  "America/New_York",             "Hackensack & Jersey City"},
    {557, Since,   "Missouri",       "CENTRAL",  "America/Chicago",              "Saint Louis"},
    {559, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Fresno"},
    {561, Classic, "Florida",        "EASTERN",  "America/New_York",             "Boca Raton & West Palm Beach"},
    {562, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Long Beach"},
    {563, Since,   "Iowa",           "CENTRAL",  "America/Chicago",              "Davenport & Dubuque"},
    {564, Classic, "Washington",     "PACIFIC",  "America/Los_Angeles",          "Bellingham, Olympia & Vancouver  "},
    {567, Since,   "Ohio",           "EASTERN",  "America/New_York",             "Lima, Mansfield, Sandusky & Toledo"},
    {570, Classic, "Pennsylvania",   "EASTERN",  "America/New_York",             "Scranton & Williamsport "},
    {571, Classic, "Virginia",       "EASTERN",  "America/New_York",             "Alexandria "},
    {572, Since,   "Oklahoma",       "CENTRAL",  "America/Chicago",              "Edmond & Oklahoma City"},
    {573, Classic, "Missouri",       "CENTRAL",  "America/Chicago",              "Charleston, Hannibal, Jefferson City, Farmington & Poplar Bluff "},
    {574, Since,   "Indiana",        "EASTERN",  "America/Indiana/Indianapolis", "Elkhart & South Bend"},
    {575, Since,   "New Mexico",     "MOUNTAIN", "America/Denver",               "Carlsbad, Clovis, Las Cruces & Roswell"},
    {579, Since,   "Canada",         "EASTERN",  "America/Toronto",              "Laval & Longueuil"},
    {580, Classic, "Oklahoma",       "CENTRAL",  "America/Chicago",              "Ardmore, Elk City, Enid, Guymon, Hugo, Lawton &Woodward "},
    {581, Since,   "Canada",         "EASTERN",  "America/Toronto",              "Quebec City & Saguenay"},
    {582, Since,   "Pennsylvania",   "EASTERN",  "America/New_York",             "Altoona, Erie, Johnstown & State College"},
    {584, Since,   "Canada",         "CENTRAL",  "America/Winnipeg",             "Manitoba"},
    {585, Since,   "New York",       "EASTERN",  "America/New_York",             "Rochester"},
    {586, Since,   "Michigan",       "EASTERN",  "America/Detroit",              "Sterling Heights & Warren"},
    {587, Since,   "Canada",         "MOUNTAIN", "America/Edmonton",             "Alberta"},
    {601, Classic, "Mississippi",    "CENTRAL",  "America/Chicago",              "Hattiesburg, Jackson, McComb, Meridian & Natchez"},
    {602, Classic, "Arizona",        "MOUNTAIN", "America/Phoenix",              "Phoenix"},
    {603, Classic, "New Hampshire",  "EASTERN",  "America/New_York",             "Berlin, Concord, Keene, Laconia, Lebanon, Manchester & Portsmouth"},
    {604, Classic, "Canada",         "PACIFIC",  "America/Vancouver",            "Greater Vancouver "},
    {605, Classic, "South Dakota",   "CENTRAL",  "America/Chicago",              "Aberdeen, Hot Springs, Mobridge, Pierre, Rapid City, Reva, Sioux Falls, Vermillion, Watertown & Winner "},
    {606, Classic, "Kentucky",       "EASTERN",  "America/New_York",             "London, Morehead  & Pikeville"},
    {607, Classic, "New York",       "EASTERN",  "America/New_York",             "Binghamton & Elmira "},
    {608, Classic, "Wisconsin",      "CENTRAL",  "America/Chicago",              "Janesville, La Crosse, Madison & Platteville"},
    {609, Classic, "New Jersey",     "EASTERN",  "America/New_York",             "Atlantic City, Browns Mills & Trenton"},
    {610, Classic, "Pennsylvania",   "EASTERN",  "America/New_York",             "Allentown & Reading "},
    {612, Classic, "Minnesota",      "CENTRAL",  "America/Chicago",              "Minneapolis "},
    {613, Classic, "Canada",         "EASTERN",  "America/Toronto",              "Ottawa  "},
    {614, Classic, "Ohio",           "EASTERN",  "America/New_York",             "Columbus "},
    {615, Classic, "Tennessee",      "CENTRAL",  "America/Chicago",              "Nashville "},
    {616, Classic, "Michigan",       "EASTERN",  "America/Detroit",              "Grand Rapids & Kalamazoo "},
    {617, Classic, "Massachusetts",  "EASTERN",  "America/New_York",             "Boston"},
    {618, Classic, "Illinois",       "CENTRAL",  "America/Chicago",              "Carbondale & Mount Vernon"},
    {619, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "San Diego"},
    {620, Since,   "Kansas",         "CENTRAL",  "America/Chicago",              "Dodge City, Emporia, Garden City & Hutchinson"},
    {623, Classic, "Arizona",        "MOUNTAIN", "America/Phoenix",              "Buckeye & Peoria"},
    {626, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Pasadena"},
    {627, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Napa, Petaluma & Sonoma    "},
    {628, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "N California "},
    {629, Since,   "Tennessee",      "CENTRAL",  "America/Chicago",              "Nashville"},
    {630, Classic, "Illinois",       "CENTRAL",  "America/Chicago",              "Aurora"},
    {631, Classic, "New York",       "EASTERN",  "America/New_York",             "Manorville "},
    {636, Classic, "Missouri",       "CENTRAL",  "America/Chicago",              "Chesterfield  & Union"},
    {639, Since,   "Canada",         "CENTRAL",  "America/Regina",               "Saskatchewan"},
    {640, Since,   "New Jersey",     "EASTERN",  "America/New_York",             "Atlantic City, Princeton & Trenton"},
    {641, Classic, "Iowa",           "CENTRAL",  "America/Chicago",              "Creston, Mason City & Oskaloosa"},
    {645, Since,   "Florida",        "EASTERN",  "America/New_York",             "Miami & Florida Keys"},
    {646, Classic, "New York",       "EASTERN",  "America/New_York",             "New York"},
    {647, Classic, "Canada",         "EASTERN",  "America/Toronto",              "Toronto  "},
    {649, Classic, "--",             "EASTERN",  "America/Grand_Turk",           "Turks and Caicos "},
    {650, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Palo Alto, San Francisco & San Mateo"},
    {651, Classic, "Minnesota",      "CENTRAL",  "America/Chicago",              "Lindstrom, Red Wing & Saint Paul "},
    {656, Since,   "Florida",        "EASTERN",  "America/New_York",             "Tampa"},
    {657, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "S California  "},
    {658, Since,   "--",             "EASTERN",  "America/Jamaica",              "Jamaica"},
    {659, Since,   "Alabama",        "CENTRAL",  "America/Chicago",              "Birmingham & Tuscaloosa"},
    {660, Classic, "Missouri",       "CENTRAL",  "America/Chicago",              "Macon, Marshall, Maryville, Sedalia & Trenton "},
    {661, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Bakersfield"},
    {662, Classic, "Mississippi",    "CENTRAL",  "America/Chicago",              "Clarksdale, Columbus, Greenville, Holly Springs,Tupelo & Winona "},
    {664, Classic, "--",             "EASTERN",  "America/Montserrat",           "Montserrat "},
    {667, Since,   "Maryland",       "EASTERN",  "America/New_York",             "Annapolis, Baltimore & Salisbury"},
    {669, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "San Jose"},
    {670, Classic, "--",             "EASTERN",  "Pacific/Saipan",               "Commonwealth of the Northern Mariana Islands"},
    {671, Classic, "--",             "EASTERN",  "Pacific/Guam",                 "Guam "},
    {672, Since,   "Canada",         "PACIFIC",  "America/Vancouver",            "British Columbia"},
    {678, Classic, "Georgia",        "EASTERN",  "America/New_York",             "Atlanta"},
    {680, Since,   "New York",       "EASTERN",  "America/New_York",             "Syracuse, Utica & Watertown"},
    {681, Since,   "West Virginia",  "EASTERN",  "America/New_York",             "Charleston, Huntington, Morgantown & Wheeling"},
    {682, Classic, "Texas",          "CENTRAL",  "America/Chicago",              "Fort Worth "},
    {683, Since,   "Canada",         "EASTERN",  "America/Toronto",              "Barrie, Peterborough, Sault Ste. Marie & Sudbury"},
    {684, Since,   "--",             "HAWAII",   "Pacific/Pago_Pago",            "American Samoa"},
    {686, Since,   "Virginia",       "EASTERN",  "America/New_York",             "Richmond"},
    {689, Since,   "Florida",        "EASTERN",  "America/New_York",             "Orlando"},
    {701, Classic, "North Dakota",   "CENTRAL",  "America/Chicago",              "Bismarck, Devils Lake, Dickinson, Fargo, Grand Forks, Jamestown, Minot & Williston "},
    {702, Classic, "Nevada",         "PACIFIC",  "America/Los_Angeles",          "Las Vegas"},
    {703, Classic, "Virginia",       "EASTERN",  "America/New_York",             "Alexandria "},
    {704, Classic, "North Carolina", "EASTERN",  "America/New_York",             "Charlotte & Kingstown"},
    {705, Classic, "Canada",         "EASTERN",  "America/Toronto",              "Sault Ste. Marie    "},
    {706, Classic, "Georgia",        "EASTERN",  "America/New_York",             "Athens, Augusta, Columbus & Rome"},
    {707, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Eureka, Santa Rosa & Ukiah"},
    {708, Classic, "Illinois",       "CENTRAL",  "America/Chicago",              "Chicago Heights"},
    {709, Classic, "Canada",         "ATLANTIC", "America/St_Johns",             "Newfoundland   "},
    {710, Classic, "US",             "EASTERN",  "America/New_York",             "US Government    "},
    {712, Classic, "Iowa",           "CENTRAL",  "America/Chicago",              "Council Bluffs, Estherville & Sioux City "},
    {713, Classic, "Texas",          "CENTRAL",  "America/Chicago",              "Houston "},
    {714, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Huntington Beach & Orange"},
    {715, Classic, "Wisconsin",      "CENTRAL",  "America/Chicago",              "Ashland, Eau Claire, Rhinelander, Rice Lake & Wausau"},
    {716, Classic, "New York",       "EASTERN",  "America/New_York",             "Buffalo, Jamestown, Rochester & Wellsville "},
    {717, Classic, "Pennsylvania",   "EASTERN",  "America/New_York",             " Gettysburg &Harrisburg "},
    {718, Classic, "New York",       "EASTERN",  "America/New_York",             "Bronx"},
    {719, Classic, "Colorado",       "MOUNTAIN", "America/Denver",               "Colorado Springs, Pueblo & Trinidad"},
    {720, Classic, "Colorado",       "MOUNTAIN", "America/Denver",               "Boulder & Denver"},
    {721, Since,   "--",             "ATLANTIC", "America/Lower_Princes",        "Sint Maarten"},
    {724, Classic, "Pennsylvania",   "EASTERN",  "America/New_York",             "New Castle, Pittsburgh & Uniontown "},
    {725, Since,   "Nevada",         "PACIFIC",  "America/Los_Angeles",          "Las Vegas"},
    {726, Since,   "Texas",          "CENTRAL",  "America/Chicago",              "San Antonio"},
    {727, Classic, "Florida",        "EASTERN",  "America/New_York",             "Clearwater"},
    {728, Since,   "Florida",        "EASTERN",  "America/New_York",             "Boca Raton & West Palm Beach"},
    {730, Since,   "Illinois",       "CENTRAL",  "America/Chicago",              "Belleville, Carbondale & Mount Vernon"},
    {731, Since,   "Tennessee",      "CENTRAL",  "America/Chicago",              "Dyersburg, Jackson & Paris"},
    {732, Classic, "New Jersey",     "EASTERN",  "America/New_York",             "Lakewood, Neptune & New Brunswick"},
    {734, Classic, "Michigan",       "EASTERN",  "America/Detroit",              "Ann Arbor & Monroe "},
    {737, Since,   "Texas",          "CENTRAL",  "America/Chicago",              "Austin"},
    {738, Since,   "California",     "PACIFIC",  "America/Los_Angeles",          "Los Angeles"},
    {740, Classic, "Ohio",           "EASTERN",  "America/New_York",             "Cambridge, Jackson, Lancaster & Marietta "},
    {742, Since,   "Canada",         "EASTERN",  "America/Toronto",              "Hamilton, Mississauga, Oshawa & St. Catharines"},
    {743, Since,   "North Carolina", "EASTERN",  "America/New_York",             "Greensboro, High Point & Winston-Salem"},
    {747, Since,   "California",     "PACIFIC",  "America/Los_Angeles",          "Burbank, Glendale & San Fernando Valley"},
    {748, Since,   "Colorado",       "MOUNTAIN", "America/Denver",               "Fort Collins, Grand Junction & Greeley"},
    {752, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Ontario, Pomona, Upland"},
    {753, Since,   "Canada",         "EASTERN",  "America/Toronto",              "Ottawa"},
    {754, Since,   "Florida",        "EASTERN",  "America/New_York",             "Fort Lauderdale"},
    {757, Classic, "Virginia",       "EASTERN",  "America/New_York",             "Norfolk "},
    {758, Classic, "--",             "EASTERN",  "America/St_Lucia",             "St. Lucia "},
    {760, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Bishop, Blythe, Indio & Ridgecrest"},
    {762, Since,   "Georgia",        "EASTERN",  "America/New_York",             "Athens, Augusta, Columbus & Rome"},
    {763, Classic, "Minnesota",      "CENTRAL",  "America/Chicago",              " Maple Grove "},
    {764, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "San Francisco "},
    {765, Classic, "Indiana",        "CENTRAL",  "America/Indiana/Indianapolis", "Marion, Muncie, Lafayette & Richmond"},
    {767, Classic, "--",             "EASTERN",  "America/Dominica",             "Dominica "},
    {769, Since,   "Mississippi",    "CENTRAL",  "America/Chicago",              "Hattiesburg, Jackson & Meridian"},
    {770, Classic, "Georgia",        "EASTERN",  "America/New_York",             "Cedartown, Gainesville, Griffin, Marietta & Roswell"},
    {771, Since,   "Washington DC",  "EASTERN",  "America/New_York",             "Washington, DC"},
    {772, Since,   "Florida",        "EASTERN",  "America/New_York",             "Fort Pierce, Port St. Lucie, Stuart & Vero Beach"},
    {773, Classic, "Illinois",       "CENTRAL",  "America/Chicago",              "Chicago"},
    {774, Since,   "Massachusetts",  "EASTERN",  "America/New_York",             "Attleboro, New Bedford & Worcester"},
    {775, Classic, "Nevada",         "PACIFIC",  "America/Los_Angeles",          "Carson City, Elko, Ely, Reno & Tonopah"},
    {778, Since,   "Canada",         "PACIFIC",  "America/Vancouver",            "British Columbia"},
    {779, Since,   "Illinois",       "CENTRAL",  "America/Chicago",              "Joliet & Rockford"},
    {780, Classic, "Canada",         "MOUNTAIN", "America/Edmonton",             "Alberta    "},
    {781, Classic, "Massachusetts",  "EASTERN",  "America/New_York",             "Norwood, Saugus & Weymouth "},
    {782, Since,   "Canada",         "ATLANTIC", "America/Halifax",              "Nova Scotia, Prince Edward Island"},
    {784, Classic, "--",             "EASTERN",  "America/St_Vincent",           "St. Vincent Grenadines "},
    {785, Classic, "Kansas",         "CENTRAL",  "America/Chicago",              "Colby, Mankato, Salina & Topeka "},
    {786, Classic, "Florida",        "EASTERN",  "America/New_York",             "Miami"},
    {787, Classic, "PR",             "EASTERN",  "America/Puerto_Rico",          "Puerto Rico  "},
    {801, Classic, "Utah",           "MOUNTAIN", "America/Denver",               "Ogden, Provo & Salt Lake City"},
    {802, Classic, "Vermont",        "EASTERN",  "America/New_York",             "Bennington, Brattleboro, Burlington, Montpelier, Newport, Rutland, Saint Johnsbury & White River Junction "},
    {803, Classic, "South Carolina", "EASTERN",  "America/New_York",             "Aiken, Columbia, Rock Hill & Sumter "},
    {804, Classic, "Virginia",       "EASTERN",  "America/New_York",             "Richmond"},
    {805, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Lompoc & San Luis Obispo"},
    {806, Classic, "Texas",          "CENTRAL",  "America/Chicago",              "Amarillo & Lubbock "},
    {807, Classic, "Canada",         "EASTERN",  "America/Toronto",              "Thunder Bay  "},
    {808, Classic, "Hawaii",         "HAWAII",   "Pacific/Honolulu",             "Hanamaulu, Hilo, Honolulu, Kailua, Kamuela, Kaunakakai, Lahaina & Wailuku"},
    {809, Classic, "--",             "EASTERN",  "America/Santo_Domingo",        "Bermuda, Puerto Rico, Virgin Islands & Caribbean "},
    {810, Classic, "Michigan",       "EASTERN",  "America/Detroit",              "Flint & Port Huron "},
    {812, Classic, "Indiana",        "CENTRAL",  "America/Indiana/Indianapolis", "Bloomington, Evansville, New Albany & Terre Haute"},
    {813, Classic, "Florida",        "EASTERN",  "America/New_York",             "Tampa"},
    {814, Classic, "Pennsylvania",   "EASTERN",  "America/New_York",             "Altoona, Erie, Johnstown & Warren "},
    {815, Classic, "Illinois",       "CENTRAL",  "America/Chicago",              "De Kalb, Freeport, La Salle & Rockford"},
    {816, Classic, "Missouri",       "CENTRAL",  "America/Chicago",              "Kansas City  & Saint Joseph "},
    {817, Classic, "Texas",          "CENTRAL",  "America/Chicago",              "Fort Worth "},
    {818, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Glendale & San Fernando"},
    {819, Classic, "Canada",         "EASTERN",  "America/Toronto",              "Trois Rivieres   "},
    {820, Since,   "California",     "PACIFIC",  "America/Los_Angeles",          "Oxnard, San Luis Obispo, Santa Barbara & Ventura"},
    {821, Since,   "South Carolina", "EASTERN",  "America/New_York",             "Anderson, Greenville & Spartanburg"},
    {825, Since,   "Canada",         "MOUNTAIN", "America/Edmonton",             "Alberta"},
    {826, Since,   "Virginia",       "EASTERN",  "America/New_York",             "Fredericksburg, Harrisonburg, Roanoke & Winchester"},
    {828, Classic, "North Carolina", "EASTERN",  "America/New_York",             "Asheville, Brevard & Morganton "},
    {829, Since,   "--",             "ATLANTIC", "America/Santo_Domingo",        "Dominican Republic"},
    {830, Classic, "Texas",          "CENTRAL",  "America/Chicago",              "Uvalde"},
    {831, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Salinas"},
    {832, Classic, "Texas",          "CENTRAL",  "America/Chicago",              "Houston "},
    {835, Since,   "Pennsylvania",   "EASTERN",  "America/New_York",             "Allentown & Reading"},
    {838, Since,   "New York",       "EASTERN",  "America/New_York",             "Albany, Plattsburgh & Schenectady"},
    {839, Since,   "South Carolina", "EASTERN",  "America/New_York",             "Aiken, Columbia, Rock Hill & Sumter"},
    {840, Since,   "California",     "PACIFIC",  "America/Los_Angeles",          "Ontario, Pomona & San Bernardino"},
    {843, Classic, "South Carolina", "EASTERN",  "America/New_York",             "Charleston, Florence, Hilton Head Island & Myrtle Beach "},
    {845, Classic, "New York",       "EASTERN",  "America/New_York",             "Middletown & Poughkeepsie "},
    {847, Classic, "Illinois",       "CENTRAL",  "America/Chicago",              "Evanston, Northbrook & Waukegan"},
    {848, Since,   "New Jersey",     "EASTERN",  "America/New_York",             "Lakewood, Neptune & New Brunswick"},
    {849, Since,   "--",             "ATLANTIC", "America/Santo_Domingo",        "Dominican Republic"},
    {850, Classic, "Florida",        "EASTERN",  "America/Chicago",              "Tallahassee"},
    {854, Since,   "South Carolina", "EASTERN",  "America/New_York",             "Charleston, Florence, Hilton Head Island & Myrtle Beach"},
    {856, Classic, "New Jersey",     "EASTERN",  "America/New_York",             "Cherry Hill & Vineland"},
    {857, Since,   "Massachusetts",  "EASTERN",  "America/New_York",             "Boston"},
    {858, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Solana Beach"},
    {859, Classic, "Kentucky",       "EASTERN",  "America/New_York",             "Lexington "},
    {860, Classic, "Connecticut",    "EASTERN",  "America/New_York",             "Hartford , Norwich , Putnam District & Torrington"},
    {862, Since,   "New Jersey",     "EASTERN",  "America/New_York",             "Morristown, Newark & Paterson"},
    {863, Classic, "Florida",        "EASTERN",  "America/New_York",             "Avon Park & Clewiston"},
    {864, Classic, "South Carolina", "EASTERN",  "America/New_York",             "Anderson, Greenville & Spartanburg "},
    {865, Classic, "Tennessee",      "CENTRAL",  "America/New_York",             "Knoxville "},
    {867, Classic, "--",             "PACIFIC",  "America/Whitehorse",           "Yukon and Northwest Territories"},
    {868, Classic, "--",             "EASTERN",  "America/Port_of_Spain",        "Trinidad and Tobago  "},
    {869, Classic, "--",             "EASTERN",  "America/St_Kitts",             "St. Kitts Nevis  "},
    {870, Classic, "Arkansas",       "CENTRAL",  "America/Chicago",              "Jonesboro, Monticello, Mountain Home, Pine Bluff & Texarkana"},
    {872, Since,   "Illinois",       "CENTRAL",  "America/Chicago",              "Chicago"},
    {873, Since,   "Canada",         "EASTERN",  "America/Toronto",              "Gatineau, Sherbrooke & Trois-Rivieres"},
    {876, Classic, "--",             "EASTERN",  "America/Jamaica",              "Jamaica  "},
    {878, Classic, "Pennsylvania",   "EASTERN",  "America/New_York",             "New Castle, Pittsburgh & Uniontown "},
    {879, Since,   "Canada",         "ATLANTIC", "America/St_Johns",             "Newfoundland"},
    {901, Classic, "Tennessee",      "CENTRAL",  "America/Chicago",              "Memphis"},
    {902, Classic, "Canada",         "ATLANTIC", "America/Halifax",              "Nova Scotia, Prince Edward Island  "},
    {903, Classic, "Texas",          "CENTRAL",  "America/Chicago",              "Sherman & Tyler "},
    {904, Classic, "Florida",        "EASTERN",  "America/New_York",             "Jacksonville & St.Augustine"},
    {905, Classic, "Canada",         "EASTERN",  "America/Toronto",              "Hamilton "},
    {906, Classic, "Michigan",       "EASTERN",  "America/Detroit",              "Escanaba, Ironwood, Marquette & Sault Sainte Marie "},
    {907, Classic, "Alaska",         "ALASKA",   "America/Anchorage",            "Anchorage, Barrow, Fairbanks, Juneau, Kodiak & Nome"},
    {908, Classic, "New Jersey",     "EASTERN",  "America/New_York",             "Washington"},
    {909, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "San Bernardino & Temecula"},
    {910, Classic, "North Carolina", "EASTERN",  "America/New_York",             "Fayetteville ,Jacksonville & Wilmington "},
    {912, Classic, "Georgia",        "EASTERN",  "America/New_York",             "Brunswick, Savannah, Vidalia & Waycross"},
    {913, Classic, "Kansas",         "CENTRAL",  "America/Chicago",              " Kansas City & Overland Park"},
    {914, Classic, "New York",       "EASTERN",  "America/New_York",             "White Plains "},
    {915, Classic, "Texas",          "CENTRAL",  "America/Denver",               "Alpine, Abilene, El Paso & Midland "},
    {916, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Sacramento"},
    {917, Classic, "New York",       "EASTERN",  "America/New_York",             "Bronx"},
    {918, Classic, "Oklahoma",       "CENTRAL",  "America/Chicago",              "Bartlesville, McAlester & Tulsa "},
    {919, Classic, "North Carolina", "EASTERN",  "America/New_York",             "Durham & Raleigh "},
    {920, Classic, "Wisconsin",      "CENTRAL",  "America/Chicago",              "Green Bay, Oshkosh & Sheboygan"},
    {925, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Concord & Pleasanton"},
    {928, Since,   "Arizona",        "MOUNTAIN", "America/Phoenix",              "Flagstaff, Prescott & Yuma"},
    {929, Since,   "New York",       "EASTERN",  "America/New_York",             "Bronx, Brooklyn, Queens & Staten Island"},
    {930, Since,   "Indiana",        "EASTERN",  "America/Indiana/Indianapolis", "Bloomington, Evansville, New Albany & Terre Haute"},
    {931, Classic, "Tennessee",      "CENTRAL",  "America/Chicago",              "Clarksville ,Columbia ,Cookeville & Manchester "},
    {934, Since,   "New York",       "EASTERN",  "America/New_York",             "Long Island"},
    {935, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "San Diego"},
    {936, Since,   "Texas",          "CENTRAL",  "America/Chicago",              "Conroe, Huntsville, Lufkin & Nacogdoches"},
    {937, Classic, "Ohio",           "EASTERN",  "America/New_York",             "Carlisle, Dayton, Hillsboro, Marysville & Springfield"},
    {938, Since,   "Alabama",        "CENTRAL",  "America/Chicago",              "Anniston, Florence, Gadsden & Huntsville"},
    {939, Since,   "PR",             "ATLANTIC", "America/Puerto_Rico",          "Puerto Rico"},
    {940, Classic, "Texas",          "CENTRAL",  "America/Chicago",              "Vernon & Wichita Falls "},
    {941, Classic, "Florida",        "EASTERN",  "America/New_York",             "Fort Myers & Naples"},
    {942, Since,   "Canada",         "EASTERN",  "America/Toronto",              "Toronto"},
    {943, Since,   "Georgia",        "EASTERN",  "America/New_York",             "Atlanta"},
    {945, Since,   "Texas",          "CENTRAL",  "America/Chicago",              "Dallas"},
    {947, Since,   "Michigan",       "EASTERN",  "America/Detroit",              "Troy & Southfield"},
    {948, Since,   "Virginia",       "EASTERN",  "America/New_York",             "Newport News, Norfolk & Virginia Beach"},
    {949, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Irvine & Laguna Niguel"},
    {951, Classic, "California",     "PACIFIC",  "America/Los_Angeles",          "Corona, Moreno Valley, Riverside & Temecula "},
    {952, Classic, "Minnesota",      "CENTRAL",  "America/Chicago",              "Bloomington "},
    {954, Classic, "Florida",        "EASTERN",  "America/New_York",             "Fort Lauderdale"},
    {956, Classic, "Texas",          "CENTRAL",  "America/Chicago",              "Brownsville, Laredo & McAllen "},
    {959, Classic, "Connecticut",    "EASTERN",  "America/New_York",             "Hartford, Norwich, Putnam District & Torrington"},
    {970, Classic, "Colorado",       "MOUNTAIN", "America/Denver",               "Aspen, Durango, Fort Collins, Grand Junction, Steamboat Springs & Sterling"},
    {971, Classic, "Oregon",         "PACIFIC",  "America/Los_Angeles",          "Portland & Salem "},
    {972, Classic, "Texas",          "CENTRAL",  "America/Chicago",              "Dallas"},
    {973, Classic, "New Jersey",     "EASTERN",  "America/New_York",             "Sussex"},
    {975, Since,   "Missouri",       "CENTRAL",  "America/Chicago",              "Kansas City & Saint Joseph"},
    {978, Classic, "Massachusetts",  "EASTERN",  "America/New_York",             "Fitchburg, Methuen & Peabody "},
    {979, Since,   "Texas",          "CENTRAL",  "America/Chicago",              "Bay City, Bryan, College Station & Lake Jackson"},
    {980, Classic, "North Carolina", "EASTERN",  "America/New_York",             "Charlotte & Kingstown"},
    {983, Since,   "Colorado",       "MOUNTAIN", "America/Denver",               "Boulder & Denver"},
    {984, Since,   "North Carolina", "EASTERN",  "America/New_York",             "Durham & Raleigh"},
    {985, Since,   "Louisiana",      "CENTRAL",  "America/Chicago",              "Hammond, Houma, Slidell & Thibodaux"},
    {986, Since,   "Idaho",          "MOUNTAIN", "America/Boise",                "Boise, Idaho Falls, Lewiston, Pocatello & Twin Falls"},
    {989, Classic, "Michigan",       "EASTERN",  "America/Detroit",              "Alpena, Mount Pleasant & Saginaw  "},
};
// clang-format on

// The other clocks of the areas whose numbers keep more than one, by the area's first code and
// then in the order they are shown; places are UTF-8, best known first. docs/directory.md says
// how to change them.
// clang-format off
constexpr OtherClock OtherClocks[] = {
    {208, "America/Los_Angeles",      {"Coeur d'Alene", "Lewiston"}},
    {219, "America/New_York",         {"Monon", "Wolcott"}},
    {250, "America/Dawson_Creek",     {"Fort St. John", "Dawson Creek"}},
    {250, "America/Edmonton",         {"Cranbrook", "Invermere"}},
    {270, "America/New_York",         {"Elizabethtown", "Radcliff"}},
    {306, "America/Edmonton",         {"Lloydminster", "Maidstone"}},
    {306, "America/Winnipeg",         {"Creighton"}},
    {308, "America/Denver",           {"Scottsbluff", "Sidney"}},
    {334, "America/New_York",         {"Phenix City", "Valley"}},
    {418, "America/Halifax",          {"Îles-de-la-Madeleine"}},
    {418, "America/Blanc-Sablon",     {"Blanc-Sablon", "Lourdes-de-Blanc-Sablon"}},
    {423, "America/Chicago",          {"Jasper", "South Pittsburg"}},
    {541, "America/Denver",           {"Ontario", "Nyssa"}},
    {574, "America/Chicago",          {"Knox", "North Judson"}},
    {605, "America/Denver",           {"Rapid City", "Spearfish"}},
    {606, "America/Chicago",          {"Albany"}},
    {620, "America/Denver",           {"Tribune", "Syracuse"}},
    {701, "America/Denver",           {"Dickinson", "Bowman"}},
    {709, "America/Halifax",          {"Happy Valley-Goose Bay", "Labrador City"}},
    {775, "America/Denver",           {"West Wendover"}},
    {785, "America/Denver",           {"Goodland", "Sharon Springs"}},
    {807, "America/Winnipeg",         {"Kenora", "Dryden"}},
    {807, "America/Atikokan",         {"Atikokan"}},
    {812, "America/Chicago",          {"Evansville", "Newburgh"}},
    {850, "America/New_York",         {"Tallahassee", "Quincy"}},
    {867, "America/Edmonton",         {"Yellowknife", "Hay River"}},
    {867, "America/Rankin_Inlet",     {"Rankin Inlet"}},
    {867, "America/Toronto",          {"Iqaluit"}},
    {906, "America/Chicago",          {"Iron Mountain", "Menominee"}},
    {907, "America/Adak",             {"Adak", "Atka"}},
    {928, "America/Denver",           {"Window Rock", "Tuba City"}},
};

// Codes of their own whose numbers share an area of OtherClocks, and so its clocks: kept once, so
// the codes of an area cannot drift apart.
constexpr SameArea SameAreas[] = {
    {236, 250},
    {257, 250},
    {364, 270},
    {367, 418},
    {448, 850},
    {458, 541},
    {474, 306},
    {581, 418},
    {639, 306},
    {672, 250},
    {778, 250},
    {879, 709},
    {930, 812},
    {986, 208},
};
// clang-format on

// Written by scripts/update-directory from NANPA's area-code report.
constexpr Overlay Overlays[] = {
#include "directory/overlays.inc"
};

constexpr int NoRow = -1;

constexpr bool isAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The shape of an IANA zone id such as "America/Indiana/Indianapolis": two or more parts
// separated by '/', each a capital letter followed by letters, '_' or '-', and each at most 14
// characters long.
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

// Where each code's answer comes from: its own row or, for an overlay, its parent's.
struct Index {
    std::array<short, LastCode + 1> row{};
    std::array<bool, LastCode + 1> overlay{};
};

// Built by the compiler, so there is nothing to load at start-up and a bad row fails the build.
constexpr Index ByCode = [] {
    Index index;
    index.row.fill(NoRow);
    int previous = FirstCode - 1;
    for (int i = 0; i < int(std::size(Rows)); ++i) {
        const Row &row = Rows[i];
        if (row.code <= previous || row.code > LastCode)
            throw "directory row out of range, repeated or out of code order";
        if (row.zone.empty() || !isZoneId(row.clockZone))
            throw "directory row without a zone name or with a malformed clock zone id";
        index.row[row.code] = short(i);
        previous = row.code;
    }
    previous = FirstCode - 1;
    for (const Overlay &overlay : Overlays) {
        if (overlay.code <= previous || overlay.code > LastCode)
            throw "overlay out of range, repeated or out of code order";
        if (index.row[overlay.code] != NoRow)
            throw "overlay of a code that has a row of its own";
        if (overlay.parent < FirstCode || overlay.parent > LastCode ||
            index.row[overlay.parent] == NoRow || index.overlay[overlay.parent])
            throw "overlay whose parent has no row of its own";
        index.row[overlay.code] = index.row[overlay.parent];
        index.overlay[overlay.code] = true;
        previous = overlay.code;
    }
    return index;
}();

constexpr bool hasOwnRow(int code)
{
    return code >= FirstCode && code <= LastCode && ByCode.row[code] != NoRow &&
           !ByCode.overlay[code];
}

// Each row's other clocks as a run of OtherClocks: first entry and count.
constexpr auto OtherClocksByRow = [] {
    std::array<std::pair<short, short>, std::size(Rows)> runs{};
    int previous = FirstCode - 1;
    for (int i = 0; i < int(std::size(OtherClocks)); ++i) {
        const OtherClock &other = OtherClocks[i];
        if (other.area < previous || !hasOwnRow(other.area))
            throw "other clock of an unlisted code, or out of code order";
        if (!isZoneId(other.clockZone) || other.clockZone == Rows[ByCode.row[other.area]].clockZone)
            throw "other clock with a malformed zone id, or the code's own";
        if (other.places[0].empty())
            throw "other clock without a place";
        auto &run = runs[std::size_t(ByCode.row[other.area])];
        if (run.second == 0)
            run.first = short(i);
        ++run.second;
        previous = other.area;
    }
    for (const SameArea &same : SameAreas) {
        if (!hasOwnRow(same.code) || !hasOwnRow(same.area))
            throw "area shared by or with a code that has no row of its own";
        auto &run = runs[std::size_t(ByCode.row[same.code])];
        if (run.second != 0)
            throw "code with other clocks of its own that also shares an area's";
        run = runs[std::size_t(ByCode.row[same.area])];
        if (run.second == 0)
            throw "shared area without other clocks";
        const auto shared =
            std::span(OtherClocks).subspan(std::size_t(run.first), std::size_t(run.second));
        for (const OtherClock &other : shared)
            if (other.clockZone == Rows[ByCode.row[same.code]].clockZone)
                throw "shared other clock that is the code's own";
    }
    return runs;
}();

static_assert(std::size(Rows) == 446);
static_assert(std::size(OtherClocks) == 31);
static_assert(std::ranges::count_if(OtherClocksByRow, [](const auto &run) { return run.second > 0; }) == 39);
static_assert(std::ranges::count(Rows, Classic, &Row::origin) == 296);

const Row *rowFor(int code)
{
    if (code < FirstCode || code > LastCode)
        throw std::out_of_range("area code " + std::to_string(code) + " is outside 0..999");
    const int i = ByCode.row[code];
    return i == NoRow ? nullptr : &Rows[i];
}

QLatin1StringView view(std::string_view s)
{
    return QLatin1StringView(s.data(), qsizetype(s.size()));
}

} // namespace

std::optional<Origin> OriginByCode(int code)
{
    const Row *row = rowFor(code);
    if (!row)
        return std::nullopt;
    return ByCode.overlay[code] ? Since : row->origin;
}

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

std::span<const OtherClock> OtherClocksByCode(int code)
{
    if (!rowFor(code))
        return {};
    const auto [first, count] = OtherClocksByRow[std::size_t(ByCode.row[code])];
    return std::span(OtherClocks).subspan(std::size_t(first), std::size_t(count));
}

QLatin1StringView LocationByCode(int code)
{
    const Row *row = rowFor(code);
    return row ? view(row->location) : QLatin1StringView();
}

} // namespace dialhour
