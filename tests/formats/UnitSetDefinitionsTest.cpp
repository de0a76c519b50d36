// Every unit of every set in share/tarvo/units/ against the unit's definition, written from
// the SI Brochure, NIST SP 811 Appendix B and NIST Handbook 44 Appendix C without looking
// at the files, so that a wrong coefficient shows up.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <numbers>
#include <string>
#include <string_view>

#include "formats/UnitTableFile.h"

namespace {

// Sizes in SI units; the exact definitions unless a comment says otherwise.
constexpr double kPi = std::numbers::pi;
constexpr double kInch = 0.0254;
constexpr double kFoot = 12 * kInch;
constexpr double kYard = 3 * kFoot;
constexpr double kMile = 5280 * kFoot;
constexpr double kNauticalMile = 1852;
constexpr double kSquareInch = kInch * kInch;
constexpr double kSquareFoot = kFoot * kFoot;
constexpr double kCubicInch = kInch * kInch * kInch;
constexpr double kCubicFoot = kFoot * kFoot * kFoot;
constexpr double kLitre = 1e-3;
constexpr double kUsGallon = 231 * kCubicInch;
constexpr double kUsFluidOunce = kUsGallon / 128;
constexpr double kUkGallon = 4.54609e-3;
constexpr double kUsDryGallon = 268.8025 * kCubicInch;
constexpr double kPound = 0.45359237;
constexpr double kOunce = kPound / 16;
constexpr double kGrain = kPound / 7000;
constexpr double kTonne = 1000;
constexpr double kGravity = 9.80665;  // standard acceleration of gravity
constexpr double kPoundForce = kPound * kGravity;
constexpr double kOunceForce = kOunce * kGravity;
constexpr double kSlug = kPoundForce / kFoot;
constexpr double kMinute = 60;
constexpr double kHour = 3600;
constexpr double kDay = 24 * kHour;
constexpr double kJulianYear = 365.25 * kDay;
constexpr double kGregorianYear = 365.2425 * kDay;
constexpr double kDegree = kPi / 180;
constexpr double kLightSpeed = 299792458;
constexpr double kAstronomicalUnit = 149597870700;
constexpr double kElementaryCharge = 1.602176634e-19;
constexpr double kAvogadro = 6.02214076e23;
constexpr double kDalton = 1.66053906660e-27;  // CODATA 2018, measured
constexpr double kAtmosphere = 101325;
constexpr double kMmMercury = 133.322387415;         // conventional, 13.5951 g/cm³ under kGravity
constexpr double kMmWater = 1e-3 * kGravity * 1000;  // conventional, 1 g/cm³
constexpr double kCalorieTh = 4.184;
constexpr double kCalorieIt = 4.1868;
constexpr double kBtuIt = 1055.05585262;
constexpr double kFahrenheitDegree = 5.0 / 9;
constexpr double kHorsepower = 550 * kFoot * kPoundForce;
constexpr double kTntTon = 4.184e9;
constexpr double kStatOhm = kLightSpeed * kLightSpeed * 1e-5;  // c² × 1e-9 in cm²/s²
constexpr double kReam = 500;  // sheets that paper basis weights weigh

struct Definition {
    std::string_view type;
    std::string_view name;
    double size;  ///< one unit in the SI unit of its type
    double offset = 0;
};

// A unit's coefficient is the number of units in one base unit of the set (its first line).
const Definition kDefinitions[] = {
    {"Angle", "degree (°)", kDegree},
    {"Angle", "radian (rad)", 1},
    {"Angle", "milliradian (mrad)", 1e-3},
    {"Angle", "gradian (gon)", kPi / 200},
    {"Angle", "arcminute (arcmin)", kDegree / 60},
    {"Angle", "arcsecond (arcsec)", kDegree / 3600},
    {"Angle", "turn (tr)", 2 * kPi},
    {"Angle", "microradian (µrad)", 1e-6},
    {"Angle", "milliarcsecond (mas)", kDegree / 3600e3},
    {"Angle", "quadrant (quad)", 90 * kDegree},
    {"Angle", "sextant", 60 * kDegree},
    {"Angle", "octant", 45 * kDegree},
    {"Angle", "hour angle (h)", 15 * kDegree},
    {"Angle", "compass point", 11.25 * kDegree},
    {"Angle", "mil, NATO (mil)", 2 * kPi / 6400},
    {"Angle", "centesimal minute (c)", kPi / 20000},
    {"Angle", "centesimal second (cc)", kPi / 2000000},

    {"Data", "byte (B)", 8},
    {"Data", "bit (bit)", 1},
    {"Data", "kilobit (kbit)", 1e3},
    {"Data", "megabit (Mbit)", 1e6},
    {"Data", "gigabit (Gbit)", 1e9},
    {"Data", "kibibit (Kibit)", 1024},
    {"Data", "mebibit (Mibit)", 1048576},
    {"Data", "kilobyte (kB)", 8e3},
    {"Data", "megabyte (MB)", 8e6},
    {"Data", "gigabyte (GB)", 8e9},
    {"Data", "terabyte (TB)", 8e12},
    {"Data", "petabyte (PB)", 8e15},
    {"Data", "kibibyte (KiB)", 8 * 1024.0},
    {"Data", "mebibyte (MiB)", 8 * 1048576.0},
    {"Data", "gibibyte (GiB)", 8 * 1073741824.0},
    {"Data", "tebibyte (TiB)", 8 * 1099511627776.0},
    {"Data", "pebibyte (PiB)", 8 * 1125899906842624.0},
    {"Data", "nibble", 4},
    {"Data", "terabit (Tbit)", 1e12},
    {"Data", "gibibit (Gibit)", 1073741824},
    {"Data", "tebibit (Tibit)", 1099511627776.0},
    {"Data", "exabyte (EB)", 8e18},
    {"Data", "zettabyte (ZB)", 8e21},
    {"Data", "yottabyte (YB)", 8e24},
    {"Data", "exbibyte (EiB)", 8 * 1152921504606846976.0},
    {"Data", "zebibyte (ZiB)", 8 * 1180591620717411303424.0},
    {"Data", "yobibyte (YiB)", 8 * 1208925819614629174706176.0},

    {"Energy", "joule (J)", 1},
    {"Energy", "kilojoule (kJ)", 1e3},
    {"Energy", "megajoule (MJ)", 1e6},
    {"Energy", "gigajoule (GJ)", 1e9},
    {"Energy", "watt hour (Wh)", kHour},
    {"Energy", "kilowatt hour (kWh)", 1e3 * kHour},
    {"Energy", "megawatt hour (MWh)", 1e6 * kHour},
    {"Energy", "calorie, thermochemical (cal)", kCalorieTh},
    {"Energy", "kilocalorie, thermochem. (kcal)", 1e3 * kCalorieTh},
    {"Energy", "calorie, IT (cal IT)", kCalorieIt},
    {"Energy", "kilocalorie, IT (kcal IT)", 1e3 * kCalorieIt},
    {"Energy", "British thermal unit (BTU IT)", kBtuIt},
    {"Energy", "electronvolt (eV)", kElementaryCharge},
    {"Energy", "erg (erg)", 1e-7},
    {"Energy", "foot-pound-force (ft·lbf)", kFoot* kPoundForce},
    {"Energy", "millijoule (mJ)", 1e-3},
    {"Energy", "terajoule (TJ)", 1e12},
    {"Energy", "gigawatt hour (GWh)", 1e9 * kHour},
    {"Energy", "terawatt hour (TWh)", 1e12 * kHour},
    {"Energy", "kiloelectronvolt (keV)", 1e3 * kElementaryCharge},
    {"Energy", "megaelectronvolt (MeV)", 1e6 * kElementaryCharge},
    {"Energy", "gigaelectronvolt (GeV)", 1e9 * kElementaryCharge},
    {"Energy", "million BTU (MMBtu)", 1e6 * kBtuIt},
    {"Energy", "quad (quad)", 1e15 * kBtuIt},
    {"Energy", "therm, US (thm)", 1.054804e8},  // NIST SP 811: 100 000 BTU59
    {"Energy", "therm, EC (thm EC)", 1.05506e8},
    {"Energy", "ton of TNT (tTNT)", kTntTon},
    {"Energy", "kiloton of TNT (ktTNT)", 1e3 * kTntTon},
    {"Energy", "megaton of TNT (MtTNT)", 1e6 * kTntTon},
    {"Energy", "tonne of oil equivalent (toe)", 1e10 * kCalorieIt},
    {"Energy", "horsepower hour (hp·h)", kHorsepower* kHour},
    {"Energy", "inch-pound-force (in·lbf)", kInch* kPoundForce},
    {"Energy", "kilogram-force meter (kgf·m)", kGravity},
    {"Energy", "litre atmosphere (l·atm)", kLitre* kAtmosphere},
    {"Energy", "foot-poundal (ft·pdl)", kFoot* kPound* kFoot},

    {"Power", "watt (W)", 1},
    {"Power", "milliwatt (mW)", 1e-3},
    {"Power", "kilowatt (kW)", 1e3},
    {"Power", "megawatt (MW)", 1e6},
    {"Power", "gigawatt (GW)", 1e9},
    {"Power", "horsepower, mechanical (hp)", kHorsepower},
    {"Power", "horsepower, metric (PS)", 75 * kGravity},
    {"Power", "horsepower, electric (hp E)", 746},
    {"Power", "BTU (IT) per hour (BTU/h)", kBtuIt / kHour},
    {"Power", "ton of refrigeration (TR)", 12000 * kBtuIt / kHour},
    {"Power", "kcal (IT) per hour (kcal/h)", 1e3 * kCalorieIt / kHour},
    {"Power", "ft·lbf per second (ft·lbf/s)", kFoot* kPoundForce},
    {"Power", "erg per second (erg/s)", 1e-7},
    {"Power", "microwatt (µW)", 1e-6},
    {"Power", "terawatt (TW)", 1e12},
    {"Power", "BTU (IT) per minute (BTU/min)", kBtuIt / kMinute},
    {"Power", "BTU (IT) per second (BTU/s)", kBtuIt},
    {"Power", "kcal (IT) per second (kcal/s)", 1e3 * kCalorieIt},
    {"Power", "calorie (th) per second (cal/s)", kCalorieTh},
    {"Power", "ft·lbf per minute (ft·lbf/min)", kFoot* kPoundForce / kMinute},
    {"Power", "kgf·m per second (kgf·m/s)", kGravity},
    {"Power", "joule per hour (J/h)", 1 / kHour},
    {"Power", "kilojoule per hour (kJ/h)", 1e3 / kHour},

    {"Temperature", "Celsius (°C)", 1},
    {"Temperature", "Rankine (°R)", kFahrenheitDegree, 491.67},
    {"Temperature", "Réaumur (°Ré)", 1.25},
    {"Temperature", "Rømer (°Rø)", 40.0 / 21, 7.5},
    {"Temperature", "Newton (°N)", 100.0 / 33},

    {"Temperature difference", "kelvin (K)", 1},
    {"Temperature difference", "degree Celsius (°C)", 1},
    {"Temperature difference", "degree Fahrenheit (°F)", kFahrenheitDegree},
    {"Temperature difference", "degree Rankine (°R)", kFahrenheitDegree},
    {"Temperature difference", "degree Réaumur (°Ré)", 1.25},

    {"Time", "hour (hr)", kHour},
    {"Time", "nanosecond (ns)", 1e-9},
    {"Time", "microsecond (µs)", 1e-6},
    {"Time", "picosecond (ps)", 1e-12},
    {"Time", "fortnight", 14 * kDay},
    {"Time", "leap year", 366 * kDay},
    {"Time", "Julian year (a)", kJulianYear},
    {"Time", "Gregorian year", kGregorianYear},
    {"Time", "month, Gregorian mean", kGregorianYear / 12},
    // Decades, centuries and millennia of the calendar: mean Gregorian years.
    {"Time", "decade", 10 * kGregorianYear},
    {"Time", "century", 100 * kGregorianYear},
    {"Time", "millennium", 1000 * kGregorianYear},

    {"Pressure", "bar (bar)", 1e5},
    {"Pressure", "kilopascal (kPa)", 1e3},
    {"Pressure", "megapascal (MPa)", 1e6},
    {"Pressure", "gigapascal (GPa)", 1e9},
    {"Pressure", "kilobar (kbar)", 1e8},
    {"Pressure", "atmosphere, standard (atm)", kAtmosphere},
    {"Pressure", "atmosphere, technical (at)", kGravity * 1e4},
    {"Pressure", "torr (Torr)", kAtmosphere / 760},
    {"Pressure", "millitorr (mTorr)", kAtmosphere / 760e3},
    {"Pressure", "pound per square inch (psi)", kPoundForce / kSquareInch},
    {"Pressure", "kip per square inch (ksi)", 1e3 * kPoundForce / kSquareInch},
    {"Pressure", "pound per square foot (psf)", kPoundForce / kSquareFoot},
    {"Pressure", "inch of mercury (inHg)", 25.4 * kMmMercury},
    {"Pressure", "inch of water (inH2O)", 25.4 * kMmWater},
    {"Pressure", "foot of water (ftH2O)", 304.8 * kMmWater},
    {"Pressure", "mm of water (mmH2O)", kMmWater},
    {"Pressure", "meter of water (mH2O)", 1e3 * kMmWater},
    {"Pressure", "barye (Ba)", 0.1},

    {"Weight", "kilogram (kg)", 1},
    {"Weight", "microgram (µg)", 1e-9},
    {"Weight", "nanogram (ng)", 1e-12},
    {"Weight", "carat (ct)", 2e-4},
    {"Weight", "troy ounce (oz t)", 480 * kGrain},
    {"Weight", "troy pound (lb t)", 5760 * kGrain},
    {"Weight", "pennyweight (dwt)", 24 * kGrain},
    {"Weight", "scruple (s ap)", 20 * kGrain},
    {"Weight", "apothecaries' dram (dr ap)", 60 * kGrain},
    {"Weight", "slug (slug)", kSlug},
    {"Weight", "kip (kip)", 1e3 * kPound},
    {"Weight", "kilotonne (kt)", 1e6},
    {"Weight", "tola", 180 * kGrain},
    {"Weight", "dalton (Da)", kDalton},

    {"Capacity", "litre (l)", kLitre},
    {"Capacity", "microlitre (µl)", 1e-9},
    {"Capacity", "kilolitre (kl)", 1},
    {"Capacity", "megalitre (Ml)", 1e3},
    {"Capacity", "us fl ounce (US fl oz)", kUsFluidOunce},
    {"Capacity", "us fl dram (US fl dr)", kUsFluidOunce / 8},
    {"Capacity", "us minim", kUsFluidOunce / 480},
    {"Capacity", "us cup", 8 * kUsFluidOunce},
    {"Capacity", "us legal cup", 240e-6},
    {"Capacity", "us tablespoon", kUsFluidOunce / 2},
    {"Capacity", "us teaspoon", kUsFluidOunce / 6},
    {"Capacity", "metric tablespoon", 15e-6},
    {"Capacity", "metric teaspoon", 5e-6},
    {"Capacity", "uk fl ounce (UK fl oz)", kUkGallon / 160},
    {"Capacity", "uk fl drachm", kUkGallon / 1280},
    {"Capacity", "us dry gallon", kUsDryGallon},
    {"Capacity", "us barrel, oil (bbl)", 42 * kUsGallon},
    {"Capacity", "us barrel, fluid", 31.5 * kUsGallon},
    {"Capacity", "uk barrel", 36 * kUkGallon},

    {"Speed", "ft./sec.", kFoot},
    {"Speed", "knot (kn)", kNauticalMile / kHour},
    {"Speed", "ft./min.", kFoot / kMinute},
    {"Speed", "ft./hr.", kFoot / kHour},
    {"Speed", "in./sec.", kInch},
    {"Speed", "in./min.", kInch / kMinute},
    {"Speed", "in./hr.", kInch / kHour},
    {"Speed", "yd./min.", kYard / kMinute},
    {"Speed", "mm/min", 1e-3 / kMinute},
    {"Speed", "mm/hr", 1e-3 / kHour},
    {"Speed", "cm/min", 1e-2 / kMinute},
    {"Speed", "km/day", 1e3 / kDay},
    {"Speed", "mi./day", kMile / kDay},
    {"Speed", "speed of light (c)", kLightSpeed},

    {"Distance", "inch (in.)", kInch},
    {"Distance", "micrometer (µm)", 1e-6},
    {"Distance", "nanometer (nm)", 1e-9},
    {"Distance", "picometer (pm)", 1e-12},
    {"Distance", "femtometer (fm)", 1e-15},
    {"Distance", "ångström (Å)", 1e-10},
    {"Distance", "mil (mil)", kInch / 1000},
    {"Distance", "microinch (µin)", kInch / 1e6},
    {"Distance", "hand", 4 * kInch},
    {"Distance", "span", 9 * kInch},
    {"Distance", "cubit", 18 * kInch},
    {"Distance", "fathom", 6 * kFoot},
    {"Distance", "league", 3 * kMile},
    {"Distance", "nautical mile (NM)", kNauticalMile},
    {"Distance", "cable, international", kNauticalMile / 10},
    {"Distance", "Scandinavian mile", 1e4},
    {"Distance", "astronomical unit (au)", kAstronomicalUnit},
    {"Distance", "light second", kLightSpeed},
    {"Distance", "light year (ly)", kLightSpeed* kJulianYear},
    {"Distance", "parsec (pc)", kAstronomicalUnit * 648000 / kPi},
    {"Distance", "kiloparsec (kpc)", 1e3 * kAstronomicalUnit * 648000 / kPi},
    {"Distance", "megaparsec (Mpc)", 1e6 * kAstronomicalUnit * 648000 / kPi},

    {"Surface", "sq meter (m²)", 1},
    {"Surface", "sq millimeter (mm²)", 1e-6},
    {"Surface", "sq decimeter (dm²)", 1e-2},
    {"Surface", "decare (daa)", 1e3},
    {"Surface", "square chain", 16 * (16.5 * kFoot) * (16.5 * kFoot)},
    {"Surface", "rood", 40 * (16.5 * kFoot) * (16.5 * kFoot)},
    {"Surface", "township", 36 * kMile* kMile},
    {"Surface", "circular mil (cmil)", kPi / 4 * (kInch / 1000) * (kInch / 1000)},
    {"Surface", "circular inch", kPi / 4 * kSquareInch},
    {"Surface", "barn (b)", 1e-28},
    {"Surface", "sq nautical mile", kNauticalMile* kNauticalMile},

    {"Volume", "cubic meter (m³)", 1},
    {"Volume", "cubic millimeter (mm³)", 1e-9},
    {"Volume", "cubic decimeter (dm³)", 1e-3},
    {"Volume", "cubic kilometer (km³)", 1e9},
    {"Volume", "cubic mile (cu. mi.)", kMile* kMile* kMile},
    {"Volume", "acre-foot (ac·ft)", 43560 * kCubicFoot},
    {"Volume", "cord (cd)", 128 * kCubicFoot},
    {"Volume", "board foot (FBM)", 144 * kCubicInch},
    {"Volume", "freight ton", 40 * kCubicFoot},
    {"Volume", "thousand cubic feet (Mcf)", 1e3 * kCubicFoot},
    {"Volume", "million cubic feet (MMcf)", 1e6 * kCubicFoot},

    {"Force", "newton (N)", 1},
    {"Force", "millinewton (mN)", 1e-3},
    {"Force", "kilonewton (kN)", 1e3},
    {"Force", "meganewton (MN)", 1e6},
    {"Force", "dyne (dyn)", 1e-5},
    {"Force", "kilogram-force (kgf)", kGravity},
    {"Force", "gram-force (gf)", 1e-3 * kGravity},
    {"Force", "tonne-force (tf)", kTonne* kGravity},
    {"Force", "pound-force (lbf)", kPoundForce},
    {"Force", "ounce-force (ozf)", kOunceForce},
    {"Force", "kip-force (kip)", 1e3 * kPoundForce},
    {"Force", "short ton-force (tonf US)", 2000 * kPoundForce},
    {"Force", "long ton-force (tonf UK)", 2240 * kPoundForce},
    {"Force", "poundal (pdl)", kPound* kFoot},

    {"Torque", "newton meter (N·m)", 1},
    {"Torque", "kilonewton meter (kN·m)", 1e3},
    {"Torque", "newton centimeter (N·cm)", 1e-2},
    {"Torque", "newton millimeter (N·mm)", 1e-3},
    {"Torque", "kilogram-force meter (kgf·m)", kGravity},
    {"Torque", "kgf centimeter (kgf·cm)", 1e-2 * kGravity},
    {"Torque", "gram-force centimeter (gf·cm)", 1e-5 * kGravity},
    {"Torque", "dyne centimeter (dyn·cm)", 1e-7},
    {"Torque", "pound-force foot (lbf·ft)", kPoundForce* kFoot},
    {"Torque", "pound-force inch (lbf·in)", kPoundForce* kInch},
    {"Torque", "ounce-force inch (ozf·in)", kOunceForce* kInch},
    {"Torque", "kip-force foot (kip·ft)", 1e3 * kPoundForce* kFoot},

    {"Density", "kg per cubic meter (kg/m³)", 1},
    {"Density", "gram per cubic cm (g/cm³)", 1e3},
    {"Density", "milligram per litre (mg/l)", 1e-3},
    {"Density", "microgram per m³ (µg/m³)", 1e-9},
    {"Density", "pound per cubic foot (lb/ft³)", kPound / kCubicFoot},
    {"Density", "pound per cubic inch (lb/in³)", kPound / kCubicInch},
    {"Density", "pound per cubic yard (lb/yd³)", kPound / (27 * kCubicFoot)},
    {"Density", "pound per US gallon (lb/gal)", kPound / kUsGallon},
    {"Density", "pound per UK gallon (lb/gal UK)", kPound / kUkGallon},
    {"Density", "ounce per cubic inch (oz/in³)", kOunce / kCubicInch},
    {"Density", "ounce per US gallon (oz/gal)", kOunce / kUsGallon},
    {"Density", "slug per cubic foot (slug/ft³)", kSlug / kCubicFoot},
    {"Density", "short ton per yd³ (ton/yd³)", 2000 * kPound / (27 * kCubicFoot)},
    {"Density", "grain per US gallon (gr/gal)", kGrain / kUsGallon},

    {"Frequency", "hertz (Hz)", 1},
    {"Frequency", "millihertz (mHz)", 1e-3},
    {"Frequency", "kilohertz (kHz)", 1e3},
    {"Frequency", "megahertz (MHz)", 1e6},
    {"Frequency", "gigahertz (GHz)", 1e9},
    {"Frequency", "terahertz (THz)", 1e12},
    {"Frequency", "per minute (1/min)", 1 / kMinute},
    {"Frequency", "per hour (1/h)", 1 / kHour},
    {"Frequency", "per day (1/d)", 1 / kDay},

    {"Rotational speed", "radian per second (rad/s)", 1},
    {"Rotational speed", "revolution per second (rps)", 2 * kPi},
    {"Rotational speed", "revolution per minute (rpm)", 2 * kPi / kMinute},
    {"Rotational speed", "revolution per hour (rph)", 2 * kPi / kHour},
    {"Rotational speed", "radian per minute (rad/min)", 1 / kMinute},
    {"Rotational speed", "radian per hour (rad/h)", 1 / kHour},
    {"Rotational speed", "degree per second (°/s)", kDegree},
    {"Rotational speed", "degree per minute (°/min)", kDegree / kMinute},
    {"Rotational speed", "degree per hour (°/h)", kDegree / kHour},

    {"Acceleration", "meter per second² (m/s²)", 1},
    {"Acceleration", "mm per second² (mm/s²)", 1e-3},
    {"Acceleration", "galileo (Gal)", 1e-2},
    {"Acceleration", "milligal (mGal)", 1e-5},
    {"Acceleration", "km/h per second (km/h/s)", 1e3 / kHour},
    {"Acceleration", "foot per second² (ft/s²)", kFoot},
    {"Acceleration", "inch per second² (in/s²)", kInch},
    {"Acceleration", "mph per second (mph/s)", kMile / kHour},
    {"Acceleration", "knot per second (kn/s)", kNauticalMile / kHour},
    {"Acceleration", "standard gravity (g₀)", kGravity},

    {"Data rate", "bit per second (bit/s)", 1},
    {"Data rate", "kilobit per second (kbit/s)", 1e3},
    {"Data rate", "megabit per second (Mbit/s)", 1e6},
    {"Data rate", "gigabit per second (Gbit/s)", 1e9},
    {"Data rate", "terabit per second (Tbit/s)", 1e12},
    {"Data rate", "kibibit per second (Kibit/s)", 1024},
    {"Data rate", "mebibit per second (Mibit/s)", 1048576},
    {"Data rate", "gibibit per second (Gibit/s)", 1073741824},
    {"Data rate", "byte per second (B/s)", 8},
    {"Data rate", "kilobyte per second (kB/s)", 8e3},
    {"Data rate", "megabyte per second (MB/s)", 8e6},
    {"Data rate", "gigabyte per second (GB/s)", 8e9},
    {"Data rate", "terabyte per second (TB/s)", 8e12},
    {"Data rate", "kibibyte per second (KiB/s)", 8 * 1024.0},
    {"Data rate", "mebibyte per second (MiB/s)", 8 * 1048576.0},
    {"Data rate", "gibibyte per second (GiB/s)", 8 * 1073741824.0},

    {"Voltage", "volt (V)", 1},
    {"Voltage", "microvolt (µV)", 1e-6},
    {"Voltage", "millivolt (mV)", 1e-3},
    {"Voltage", "kilovolt (kV)", 1e3},
    {"Voltage", "megavolt (MV)", 1e6},
    {"Voltage", "abvolt (abV)", 1e-8},
    {"Voltage", "statvolt (statV)", kLightSpeed * 1e-6},

    {"Electric current", "ampere (A)", 1},
    {"Electric current", "nanoampere (nA)", 1e-9},
    {"Electric current", "microampere (µA)", 1e-6},
    {"Electric current", "milliampere (mA)", 1e-3},
    {"Electric current", "kiloampere (kA)", 1e3},
    {"Electric current", "abampere (abA)", 10},
    {"Electric current", "statampere (statA)", 0.1 / kLightSpeed},

    {"Electrical resistance", "ohm (Ω)", 1},
    {"Electrical resistance", "microohm (µΩ)", 1e-6},
    {"Electrical resistance", "milliohm (mΩ)", 1e-3},
    {"Electrical resistance", "kiloohm (kΩ)", 1e3},
    {"Electrical resistance", "megaohm (MΩ)", 1e6},
    {"Electrical resistance", "gigaohm (GΩ)", 1e9},
    {"Electrical resistance", "abohm (abΩ)", 1e-9},
    {"Electrical resistance", "statohm (statΩ)", kStatOhm},

    {"Electric charge", "coulomb (C)", 1},
    {"Electric charge", "millicoulomb (mC)", 1e-3},
    {"Electric charge", "microcoulomb (µC)", 1e-6},
    {"Electric charge", "nanocoulomb (nC)", 1e-9},
    {"Electric charge", "picocoulomb (pC)", 1e-12},
    {"Electric charge", "kilocoulomb (kC)", 1e3},
    {"Electric charge", "ampere hour (Ah)", kHour},
    {"Electric charge", "milliampere hour (mAh)", 1e-3 * kHour},
    {"Electric charge", "ampere minute (A·min)", kMinute},
    {"Electric charge", "elementary charge (e)", kElementaryCharge},
    {"Electric charge", "faraday (F)", kAvogadro* kElementaryCharge},
    {"Electric charge", "abcoulomb (abC)", 10},
    {"Electric charge", "statcoulomb (statC)", 0.1 / kLightSpeed},

    {"Capacitance", "farad (F)", 1},
    {"Capacitance", "millifarad (mF)", 1e-3},
    {"Capacitance", "microfarad (µF)", 1e-6},
    {"Capacitance", "nanofarad (nF)", 1e-9},
    {"Capacitance", "picofarad (pF)", 1e-12},
    {"Capacitance", "abfarad (abF)", 1e9},
    {"Capacitance", "statfarad (statF)", 1 / kStatOhm},

    {"Electrical conductance", "siemens (S)", 1},
    {"Electrical conductance", "millisiemens (mS)", 1e-3},
    {"Electrical conductance", "microsiemens (µS)", 1e-6},
    {"Electrical conductance", "kilosiemens (kS)", 1e3},
    {"Electrical conductance", "abmho (abS)", 1e9},
    {"Electrical conductance", "statmho (statS)", 1 / kStatOhm},

    {"Inductance", "henry (H)", 1},
    {"Inductance", "millihenry (mH)", 1e-3},
    {"Inductance", "microhenry (µH)", 1e-6},
    {"Inductance", "nanohenry (nH)", 1e-9},
    {"Inductance", "stathenry (statH)", kStatOhm},

    {"Magnetic flux", "weber (Wb)", 1},
    {"Magnetic flux", "milliweber (mWb)", 1e-3},
    {"Magnetic flux", "microweber (µWb)", 1e-6},
    {"Magnetic flux", "maxwell (Mx)", 1e-8},

    {"Magnetic flux density", "tesla (T)", 1},
    {"Magnetic flux density", "millitesla (mT)", 1e-3},
    {"Magnetic flux density", "microtesla (µT)", 1e-6},
    {"Magnetic flux density", "nanotesla (nT)", 1e-9},
    {"Magnetic flux density", "gauss (G)", 1e-4},
    {"Magnetic flux density", "milligauss (mG)", 1e-7},

    {"Volume flow", "cubic meter per second (m³/s)", 1},
    {"Volume flow", "cubic meter per minute (m³/min)", 1 / kMinute},
    {"Volume flow", "cubic meter per hour (m³/h)", 1 / kHour},
    {"Volume flow", "cubic meter per day (m³/d)", 1 / kDay},
    {"Volume flow", "litre per second (l/s)", kLitre},
    {"Volume flow", "litre per minute (l/min)", kLitre / kMinute},
    {"Volume flow", "litre per hour (l/h)", kLitre / kHour},
    {"Volume flow", "millilitre per minute (ml/min)", 1e-6 / kMinute},
    {"Volume flow", "millilitre per hour (ml/h)", 1e-6 / kHour},
    {"Volume flow", "cubic foot per second (cfs)", kCubicFoot},
    {"Volume flow", "cubic foot per minute (CFM)", kCubicFoot / kMinute},
    {"Volume flow", "cubic foot per hour (cfh)", kCubicFoot / kHour},
    {"Volume flow", "US gallon per second (gal/s)", kUsGallon},
    {"Volume flow", "US gallon per minute (GPM)", kUsGallon / kMinute},
    {"Volume flow", "US gallon per hour (GPH)", kUsGallon / kHour},
    {"Volume flow", "US gallon per day (GPD)", kUsGallon / kDay},
    {"Volume flow", "UK gallon per minute (UK gpm)", kUkGallon / kMinute},
    {"Volume flow", "UK gallon per hour (UK gph)", kUkGallon / kHour},
    {"Volume flow", "barrel (oil) per day (bbl/d)", 42 * kUsGallon / kDay},
    {"Volume flow", "acre-foot per day (ac·ft/d)", 43560 * kCubicFoot / kDay},

    {"Mass flow", "kilogram per second (kg/s)", 1},
    {"Mass flow", "kilogram per minute (kg/min)", 1 / kMinute},
    {"Mass flow", "kilogram per hour (kg/h)", 1 / kHour},
    {"Mass flow", "kilogram per day (kg/d)", 1 / kDay},
    {"Mass flow", "gram per second (g/s)", 1e-3},
    {"Mass flow", "gram per minute (g/min)", 1e-3 / kMinute},
    {"Mass flow", "gram per hour (g/h)", 1e-3 / kHour},
    {"Mass flow", "tonne per hour (t/h)", kTonne / kHour},
    {"Mass flow", "tonne per day (t/d)", kTonne / kDay},
    {"Mass flow", "pound per second (lb/s)", kPound},
    {"Mass flow", "pound per minute (lb/min)", kPound / kMinute},
    {"Mass flow", "pound per hour (lb/h)", kPound / kHour},
    {"Mass flow", "pound per day (lb/d)", kPound / kDay},
    {"Mass flow", "short ton per hour (ton/h)", 2000 * kPound / kHour},

    {"Illuminance", "lux (lx)", 1},
    {"Illuminance", "millilux (mlx)", 1e-3},
    {"Illuminance", "kilolux (klx)", 1e3},
    {"Illuminance", "foot-candle (fc)", 1 / kSquareFoot},
    {"Illuminance", "phot (ph)", 1e4},
    {"Illuminance", "lumen per sq inch (lm/in²)", 1 / kSquareInch},

    {"Luminance", "candela per m² (cd/m²)", 1},
    {"Luminance", "kilocandela per m² (kcd/m²)", 1e3},
    {"Luminance", "stilb (sb)", 1e4},
    {"Luminance", "candela per sq foot (cd/ft²)", 1 / kSquareFoot},
    {"Luminance", "candela per sq inch (cd/in²)", 1 / kSquareInch},
    {"Luminance", "apostilb (asb)", 1 / kPi},
    {"Luminance", "lambert (L)", 1e4 / kPi},
    {"Luminance", "millilambert (mL)", 10 / kPi},
    {"Luminance", "foot-lambert (fL)", 1 / (kPi * kSquareFoot)},
    {"Luminance", "skot (sk)", 1e-3 / kPi},

    {"Dynamic viscosity", "pascal second (Pa·s)", 1},
    {"Dynamic viscosity", "poise (P)", 0.1},
    {"Dynamic viscosity", "centipoise (cP)", 1e-3},
    {"Dynamic viscosity", "micropoise (µP)", 1e-7},
    {"Dynamic viscosity", "kgf second per m² (kgf·s/m²)", kGravity},
    {"Dynamic viscosity", "lbf second per ft² (lbf·s/ft²)", kPoundForce / kSquareFoot},
    {"Dynamic viscosity", "reyn (lbf·s/in²)", kPoundForce / kSquareInch},
    {"Dynamic viscosity", "pound per foot second (lb/ft·s)", kPound / kFoot},
    {"Dynamic viscosity", "pound per foot hour (lb/ft·h)", kPound / kFoot / kHour},

    {"Kinematic viscosity", "square meter per second (m²/s)", 1},
    {"Kinematic viscosity", "square meter per hour (m²/h)", 1 / kHour},
    {"Kinematic viscosity", "stokes (St)", 1e-4},
    {"Kinematic viscosity", "centistokes (cSt)", 1e-6},
    {"Kinematic viscosity", "square foot per second (ft²/s)", kSquareFoot},
    {"Kinematic viscosity", "square foot per hour (ft²/h)", kSquareFoot / kHour},
    {"Kinematic viscosity", "square inch per second (in²/s)", kSquareInch},

    {"Absorbed dose", "gray (Gy)", 1},
    {"Absorbed dose", "milligray (mGy)", 1e-3},
    {"Absorbed dose", "microgray (µGy)", 1e-6},
    {"Absorbed dose", "kilogray (kGy)", 1e3},
    {"Absorbed dose", "rad (rd)", 1e-2},
    {"Absorbed dose", "millirad (mrd)", 1e-5},
    {"Absorbed dose", "erg per gram (erg/g)", 1e-4},

    {"Dose equivalent", "sievert (Sv)", 1},
    {"Dose equivalent", "millisievert (mSv)", 1e-3},
    {"Dose equivalent", "microsievert (µSv)", 1e-6},
    {"Dose equivalent", "nanosievert (nSv)", 1e-9},
    {"Dose equivalent", "rem (rem)", 1e-2},
    {"Dose equivalent", "millirem (mrem)", 1e-5},
    {"Dose equivalent", "microrem (µrem)", 1e-8},

    {"Radioactivity", "becquerel (Bq)", 1},
    {"Radioactivity", "kilobecquerel (kBq)", 1e3},
    {"Radioactivity", "megabecquerel (MBq)", 1e6},
    {"Radioactivity", "gigabecquerel (GBq)", 1e9},
    {"Radioactivity", "terabecquerel (TBq)", 1e12},
    {"Radioactivity", "curie (Ci)", 3.7e10},
    {"Radioactivity", "millicurie (mCi)", 3.7e7},
    {"Radioactivity", "microcurie (µCi)", 3.7e4},
    {"Radioactivity", "nanocurie (nCi)", 3.7e1},
    {"Radioactivity", "picocurie (pCi)", 3.7e-2},
    {"Radioactivity", "disintegration per min (dpm)", 1 / kMinute},

    {"Thermal conductivity", "watt per meter kelvin (W/(m·K))", 1},
    {"Thermal conductivity", "mW per meter kelvin (mW/(m·K))", 1e-3},
    {"Thermal conductivity", "W per cm kelvin (W/(cm·K))", 1e2},
    {"Thermal conductivity", "kcal (IT)/(h·m·°C)", 1e3 * kCalorieIt / kHour},
    {"Thermal conductivity", "cal (th)/(s·cm·°C)", kCalorieTh / 1e-2},
    {"Thermal conductivity", "BTU (IT)/(h·ft·°F)", kBtuIt / (kHour * kFoot * kFahrenheitDegree)},
    {"Thermal conductivity", "BTU (IT)·in/(h·ft²·°F)",
     kBtuIt* kInch / (kHour * kSquareFoot * kFahrenheitDegree)},

    {"Heat capacity per mass", "joule per kg kelvin (J/(kg·K))", 1},
    {"Heat capacity per mass", "kJ per kg kelvin (kJ/(kg·K))", 1e3},
    {"Heat capacity per mass", "cal (IT) per g °C (cal/(g·°C))", 1e3 * kCalorieIt},
    {"Heat capacity per mass", "BTU (IT) per lb °F (BTU/(lb·°F))",
     kBtuIt / (kPound * kFahrenheitDegree)},

    {"Energy per mass", "joule per kilogram (J/kg)", 1},
    {"Energy per mass", "kilojoule per kilogram (kJ/kg)", 1e3},
    {"Energy per mass", "megajoule per kilogram (MJ/kg)", 1e6},
    {"Energy per mass", "watt hour per kilogram (Wh/kg)", kHour},
    {"Energy per mass", "kWh per kilogram (kWh/kg)", 1e3 * kHour},
    {"Energy per mass", "calorie (IT) per gram (cal/g)", 1e3 * kCalorieIt},
    {"Energy per mass", "BTU (IT) per pound (BTU/lb)", kBtuIt / kPound},

    {"Heat flux density", "watt per square meter (W/m²)", 1},
    {"Heat flux density", "kilowatt per sq meter (kW/m²)", 1e3},
    {"Heat flux density", "watt per sq centimeter (W/cm²)", 1e4},
    {"Heat flux density", "milliwatt per sq cm (mW/cm²)", 10},
    {"Heat flux density", "BTU (IT) per h ft² (BTU/(h·ft²))", kBtuIt / (kHour * kSquareFoot)},
    {"Heat flux density", "kcal (IT) per h m² (kcal/(h·m²))", 1e3 * kCalorieIt / kHour},
    {"Heat flux density", "cal (th) per s cm² (cal/(s·cm²))", kCalorieTh / 1e-4},

    {"Amount of substance", "mole (mol)", 1},
    {"Amount of substance", "millimole (mmol)", 1e-3},
    {"Amount of substance", "micromole (µmol)", 1e-6},
    {"Amount of substance", "kilomole (kmol)", 1e3},
    {"Amount of substance", "pound-mole (lb-mol)", kPound * 1e3},

    {"Molar concentration", "mole per litre (mol/l)", 1e3},
    {"Molar concentration", "millimole per litre (mmol/l)", 1},
    {"Molar concentration", "micromole per litre (µmol/l)", 1e-3},
    {"Molar concentration", "nanomole per litre (nmol/l)", 1e-6},

    {"Surface tension", "newton per meter (N/m)", 1},
    {"Surface tension", "millinewton per meter (mN/m)", 1e-3},
    {"Surface tension", "pound-force per inch (lbf/in)", kPoundForce / kInch},
    {"Surface tension", "pound-force per foot (lbf/ft)", kPoundForce / kFoot},

    {"Grammage", "gram per square meter (g/m²)", 1e-3},
    {"Grammage", "kilogram per sq meter (kg/m²)", 1},
    {"Grammage", "ounce per square yard (oz/yd²)", kOunce / (kYard * kYard)},
    {"Grammage", "ounce per square foot (oz/ft²)", kOunce / kSquareFoot},
    {"Grammage", "pound per 1000 ft² (lb/msf)", kPound / (1000 * kSquareFoot)},
    {"Grammage", "pound per 3000 ft² ream (lb)", kPound / (3000 * kSquareFoot)},
    // Basis weights: pounds per ream of 500 sheets of the grade's basic size.
    {"Grammage", "bond, 17×22 in ream (lb)", kPound / (kReam * 17 * 22 * kSquareInch)},
    {"Grammage", "text/book, 25×38 in ream (lb)", kPound / (kReam * 25 * 38 * kSquareInch)},
    {"Grammage", "cover, 20×26 in ream (lb)", kPound / (kReam * 20 * 26 * kSquareInch)},
    {"Grammage", "index, 25.5×30.5 in ream (lb)", kPound / (kReam * 25.5 * 30.5 * kSquareInch)},
    {"Grammage", "bristol, 22.5×28.5 in ream (lb)", kPound / (kReam * 22.5 * 28.5 * kSquareInch)},

    {"Linear density", "tex (tex)", 1e-6},
    {"Linear density", "decitex (dtex)", 1e-7},
    {"Linear density", "denier (den)", 1e-6 / 9},
    {"Linear density", "gram per meter (g/m)", 1e-3},
    {"Linear density", "kilogram per meter (kg/m)", 1},
    {"Linear density", "pound per foot (lb/ft)", kPound / kFoot},
    {"Linear density", "pound per yard (lb/yd)", kPound / kYard},
    {"Linear density", "pound per inch (lb/in)", kPound / kInch},
    {"Linear density", "grain per yard (gr/yd)", kGrain / kYard},

    // Volume per distance, in cubic meters per meter.
    {"Fuel consumption", "litre per 100 km (l/100 km)", kLitre / 1e5},
    {"Fuel consumption", "litre per km (l/km)", kLitre / 1e3},
    {"Fuel consumption", "litre per 100 miles (l/100 mi)", kLitre / (100 * kMile)},
    {"Fuel consumption", "US gallon per 100 mi", kUsGallon / (100 * kMile)},
    {"Fuel consumption", "UK gallon per 100 mi", kUkGallon / (100 * kMile)},

    // Distance per volume, in meters per cubic meter.
    {"Fuel economy", "kilometer per litre (km/l)", 1e3 / kLitre},
    {"Fuel economy", "mile per litre (mi/l)", kMile / kLitre},
    {"Fuel economy", "mile per US gallon (mpg)", kMile / kUsGallon},
    {"Fuel economy", "mile per UK gallon (mpg UK)", kMile / kUkGallon},
    {"Fuel economy", "kilometer per US gallon", 1e3 / kUsGallon},
};

// Every definition by "type/name".
std::map<std::string, const Definition*> DefinitionsByUnit() {
    std::map<std::string, const Definition*> byUnit;
    for (const Definition& d : kDefinitions) {
        EXPECT_TRUE(byUnit.emplace(std::string(d.type) + "/" + std::string(d.name), &d).second)
            << "defined twice: " << d.type << " / " << d.name;
    }
    return byUnit;
}

TEST(UnitSetDefinitionsTest, EveryUnitOfEverySetMatchesItsDefinition) {
    const std::map<std::string, const Definition*> byUnit = DefinitionsByUnit();
    std::map<std::string, int> used;
    for (const auto& entry :
         std::filesystem::directory_iterator(TARVO_SOURCE_DIR "/share/tarvo/units/")) {
        CUnitTable table;
        ASSERT_EQ(CUnitTableFile::Read(entry.path().string(), table).fault,
                  CUnitTableFile::Fault::kNone)
            << entry.path();
        ASSERT_FALSE(table.Units().empty()) << entry.path();
        const CUnit& base = table.Units().front();
        const auto baseDefinition = byUnit.find(base.m_type + "/" + base.m_name);
        ASSERT_NE(baseDefinition, byUnit.end()) << "no definition for the base " << base.m_name;
        for (const CUnit& unit : table.Units()) {
            const std::string key = unit.m_type + "/" + unit.m_name;
            const auto found = byUnit.find(key);
            if (found == byUnit.end()) {
                ADD_FAILURE() << "no definition for " << key << " in " << entry.path();
                continue;
            }
            ++used[key];
            const double expected = baseDefinition->second->size / found->second->size;
            const double off = std::abs(unit.m_coefficient - expected) / std::abs(expected);
            EXPECT_LE(off, 1e-12) << key << ": file " << unit.m_coefficient << ", definition "
                                  << expected << ", off by " << off;
            EXPECT_EQ(unit.m_offset, found->second->offset) << key;
        }
    }
    for (const auto& [key, definition] : byUnit) {
        EXPECT_EQ(used[key], 1) << "a definition used by no set, or by two: " << key;
    }
}

}  // namespace
