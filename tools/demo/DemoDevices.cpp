#include "DemoDevices.h"

#include <QDir>

#include <unistd.h>

const char* const DemoDevices::SERIAL_UUID = "DEMO-WENDO-100";
const char* const DemoDevices::DRIVE_UUID = "DEMO-WENDO-500";

DemoDevices::DemoDevices() : m_rides(m_sim) {}

DemoDevices::~DemoDevices()
{
    QString sIgnored;
    if (isDrivePlugged())
        plugDrive(false, &sIgnored);
    m_sim.stop();
}

bool DemoDevices::startSerial(QString* pWhy)
{
    m_sim.setIdentity(SERIAL_UUID, "SKU-100", "Wendo 100", "1.0.7");
    for (int i = 0; i < SERIAL_RIDES; ++i)
        m_rides.addRide(ride(i));
    if (!m_sim.start()) {
        *pWhy = "no pseudo-terminal for the serial device";
        return false;
    }
    return true;
}

// A short ride near Berlin, one a day, each a few minutes long with a handful of points.
SerialRideScript::Ride DemoDevices::ride(int nIndex)
{
    SerialRideScript::Ride ride;
    ride.header.nDay = 10 + nIndex;
    ride.header.nHour = 7 + nIndex;
    ride.header.nDuration = 600 + 60 * nIndex;
    ride.header.nLength = 4000 + 500 * nIndex;
    ride.header.nCalories = quint16(120 + 10 * nIndex);
    ride.header.nMaxSpeed = 3200;
    for (int i = 0; i < 6; ++i) {
        SerialRideScript::Point point;
        point.nLat = 52520008 + 900 * i + 300 * nIndex;
        point.nLon = 13404954 + 1200 * i;
        point.nElevation = qint16(34 + i);
        point.nSpeed = 2500 + 100 * i;
        point.nHeartRate = quint8(120 + i);
        point.nTime = quint32(100 * i);
        point.nCadence = 80;
        ride.points.append(point);
    }
    ride.laps = {{0, 5}};
    ride.nId = quint16(nIndex + 1);
    return ride;
}

bool DemoDevices::prepareDrive(QString* pWhy, const QString& sFolder)
{
    if (::geteuid() != 0) {
        *pWhy = "the drive-family device needs root (loop-mounted images)";
        return false;
    }
    if (!sFolder.isEmpty() && !QDir().mkpath(sFolder)) {
        *pWhy = "cannot make " + sFolder;
        return false;
    }
    auto pSystem = sFolder.isEmpty() ? std::make_unique<DriveTree>() : std::make_unique<DriveTree>(sFolder);
    auto pData = sFolder.isEmpty() ? std::make_unique<DriveTree>() : std::make_unique<DriveTree>(sFolder);
    pSystem->setLabel("ZEQ_SYSTEM");
    pData->setLabel("ZEQ_DATA");
    const bool bWritten = writeSystemDrive(pSystem.get()) && writeDataDrive(pData.get());
    if (!bWritten) {
        *pWhy = "cannot write the drive files";
        return false;
    }
    if (!pSystem->makeImage(pWhy) || !pData->makeImage(pWhy))
        return false;
    m_pSystem = std::move(pSystem);
    m_pData = std::move(pData);
    return true;
}

// What a drive-family device's system drive holds, small: its description, the software and map version
// files, its settings, the map register that tells which countries its maps cover, and the keep list of
// what an update must not overwrite.
bool DemoDevices::writeSystemDrive(DriveTree* pSystem)
{
    return pSystem->writeDeviceXml(DRIVE_UUID, "SKU-500", "Wendo 500") &&
           pSystem->writeFile("Korvo/version.app", "1.2.3;2012-05-01;1;") &&
           pSystem->writeFile("Korvo/version.bm", "2026.1;2026-01-15;1000;") &&
           pSystem->writeFile("Korvo/version.map", "2026.1;2026-01-15;1000;") &&
           pSystem->writeFile("Korvo/Settings/settings.xml",
                              "<settings><language>en</language></settings>\n") &&
           pSystem->writeFile("Korvo/Settings/Profiles/Profile1.xml",
                              "<profile><name>Rider</name></profile>\n") &&
           pSystem->writeFile("HDD/Map/sigreg.dat", "EU_Germany.dat\nEU_Austria.dat\nEU_Switzerland.dat\n") &&
           pSystem->writeFile("HDD/Map/EU_Germany.dat", "demo map: Germany\n") &&
           pSystem->writeFile("HDD/Map/EU_Austria.dat", "demo map: Austria\n") &&
           pSystem->writeFile("HDD/Map/EU_Switzerland.dat", "demo map: Switzerland\n") &&
           pSystem->writeFile("HDD/APP/favorites.xml", "<favorites><place>Home</place></favorites>\n") &&
           pSystem->writeFile(
               "HDD/APP/keepfile.xml",
               "<?xml version=\"1.0\"?>\n<kept><file>Zeq_system\\HDD\\APP\\favorites.xml</file>"
               "<folder>Zeq_system/Korvo/Settings</folder></kept>\n");
}

// The data drive: the rider's file and one ride in a profile folder with its two companions.
bool DemoDevices::writeDataDrive(DriveTree* pData)
{
    const QByteArray ride =
        "<?xml version=\"1.0\"?>\r\n<gpx version=\"1.1\">\r\n  <trk>\r\n    <type>1</type>\r\n"
        "    <extensions>\r\n    <time>2026-11-28T07:30:05Z</time>\r\n"
        "    <avgspeed>21.5</avgspeed>\r\n    </extensions>\r\n  </trk>\r\n</gpx>\r\n";
    return pData->writeFile("user.xml", "<user/>") &&
           pData->writeFile("Korvo/Tracks/Profile1/20261128073005.gpx", ride) &&
           pData->writeFile("Korvo/Tracks/Profile1/20261128073005.bin", QByteArray(64, '\x01')) &&
           pData->writeFile("Korvo/Tracks/Profile1/20261128073005.fit", QByteArray(48, '\x02'));
}

bool DemoDevices::plugDrive(bool bIn, QString* pWhy)
{
    if (!isDrivePrepared()) {
        *pWhy = "no drive-family device";
        return false;
    }
    if (bIn)
        return m_pSystem->mountImage(pWhy) && m_pData->mountImage(pWhy);
    const bool bData = !m_pData->isMounted() || m_pData->unmountImage();
    const bool bSystem = !m_pSystem->isMounted() || m_pSystem->unmountImage();
    if (!bData || !bSystem)
        *pWhy = "an image is still mounted";
    return bData && bSystem;
}

int DemoDevices::driveRoutes() const
{
    if (!isDrivePlugged() || !m_pData->isMounted())
        return 0;
    return QDir(m_pData->mountPoint() + "/Korvo/Tracks").entryList({"*.gpx"}, QDir::Files).size();
}
