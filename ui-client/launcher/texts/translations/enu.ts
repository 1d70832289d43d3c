<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Unlink</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Choose Another Folder</source>
        <translation>Choose Another Folder</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Merge</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <translation>A conflict occurred.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation>Invalid parameter.</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>A network error occurred.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Relink</source>
        <translation>Relink</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Please check your password.</source>
        <translation>Please check your password.</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation>Connected successfully.</translation>
    </message>
    <message>
        <source>The folder is not empty. Do you want to merge its content with the server?</source>
        <translation>The folder is not empty. Do you want to merge its content with the server?</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Start at login</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testing the connection...</translation>
    </message>
    <message>
        <source>Connection test failed. Please check the user name.</source>
        <translation>Connection test failed. Please check the user name.</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Change Folder</translation>
    </message>
    <message>
        <source>Folder Not Empty</source>
        <translation>Folder Not Empty</translation>
    </message>
    <message>
        <source>Folder Path</source>
        <translation>Folder Path</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Updated files</source>
        <translation>Updated files</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>An unexpected event occurred.</source>
        <translation>An unexpected event occurred.</translation>
    </message>
    <message>
        <source>Disconnected from the server.</source>
        <translation>Disconnected from the server.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Get Started</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>LAN</source>
        <translation>LAN</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation>Direct connection</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Authentication failed</translation>
    </message>
    <message>
        <source>Reading connection settings...</source>
        <translation>Reading connection settings...</translation>
    </message>
    <message>
        <source>FarReach</source>
        <translation>FarReach</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <translation>Automatic connection failed because of a system error.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation>The user home service is disabled on the server.</translation>
    </message>
    <message>
        <source>Files updated</source>
        <translation>Files updated</translation>
    </message>
    <message>
        <source>The folder is read-only.</source>
        <translation>The folder is read-only.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Your storage quota on the server is full.</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>Connection Mode</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Change Shared Folder</source>
        <translation>Change Shared Folder</translation>
    </message>
    <message>
        <source>Shared Folders</source>
        <translation>Shared Folders</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>No proxy</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Use system proxy settings</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Please select a folder.</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a control error.</source>
        <translation>Automatic connection failed because of a control error.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Your settings have not been saved. Save them now?</source>
        <translation>Your settings have not been saved. Save them now?</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>Unable to enable sharing for this folder.</source>
        <translation>Unable to enable sharing for this folder.</translation>
    </message>
    <message>
        <source>This folder conflicts with an existing shared folder.</source>
        <translation>This folder conflicts with an existing shared folder.</translation>
    </message>
    <message>
        <source>The maximum number of shared folders has been reached.</source>
        <translation>The maximum number of shared folders has been reached.</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Applying settings...</translation>
    </message>
    <message>
        <source>Invalid port number.</source>
        <translation>Invalid port number.</translation>
    </message>
    <message>
        <source>Please enter the proxy IP address and port.</source>
        <translation>Please enter the proxy IP address and port.</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manual proxy configuration</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Proxy Settings</translation>
    </message>
    <message>
        <source>No changes were made.</source>
        <translation>No changes were made.</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <translation>Enable sharing</translation>
    </message>
    <message>
        <source>Shared folder name</source>
        <translation>Shared folder name</translation>
    </message>
    <message>
        <source>Sharing status</source>
        <translation>Sharing status</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Sharing</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Cancel Changes</source>
        <translation>Cancel Changes</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Open Management Page</source>
        <translation>Open Management Page</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>Proxy server requires authentication</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Updating...</translation>
    </message>
    <message>
        <source>Enable SSL data encryption</source>
        <translation>Enable SSL data encryption</translation>
    </message>
    <message>
        <source>Abnormal</source>
        <translation>Abnormal</translation>
    </message>
    <message>
        <source>IP Details</source>
        <translation>IP Details</translation>
    </message>
    <message>
        <source>Enable desktop notifications</source>
        <translation>Enable desktop notifications</translation>
    </message>
    <message>
        <source>Enable icon overlays</source>
        <translation>Enable icon overlays</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Option Settings</source>
        <translation>Option Settings</translation>
    </message>
    <message>
        <source>Use black and white tray icons</source>
        <translation>Use black and white tray icons</translation>
    </message>
    <message>
        <source>%1 shared a folder with you.</source>
        <translation>%1 shared a folder with you.</translation>
    </message>
    <message>
        <source>New share</source>
        <translation>New share</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation>Checking data...</translation>
    </message>
    <message>
        <source>Automatic setup failed.</source>
        <translation>Automatic setup failed.</translation>
    </message>
    <message>
        <source>Finishing setup...</source>
        <translation>Finishing setup...</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation>Selective Sync</translation>
    </message>
    <message>
        <source>Files with the following names or extensions will not be synchronized.</source>
        <translation>Files with the following names or extensions will not be synchronized.</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Upgrading...</translation>
    </message>
    <message>
        <source>File extension:</source>
        <translation>File extension:</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Mount point</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation>Are you sure you want to delete this shared item?</translation>
    </message>
    <message>
        <source>Home service disabled</source>
        <translation>Home service disabled</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <translation>Unable to delete the shared item.</translation>
    </message>
    <message>
        <source>The setup key has been configured.</source>
        <translation>The setup key has been configured.</translation>
    </message>
    <message>
        <source>The new language takes effect after the client restarts.</source>
        <translation>The new language takes effect after the client restarts.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <translation>The local disk is full.</translation>
    </message>
    <message>
        <source>Loading the folder list...</source>
        <translation>Loading the folder list...</translation>
    </message>
    <message>
        <source>Delete Shared Item</source>
        <translation>Delete Shared Item</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <translation>Are you sure you want to unlink this connection?</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Preparing...</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Uploading...</translation>
    </message>
    <message>
        <source>Default language</source>
        <translation>Default language</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Folder name</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Downloading...</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>Syncing %1 files</translation>
    </message>
    <message>
        <source>Folders to sync</source>
        <translation>Folders to sync</translation>
    </message>
    <message>
        <source>Advanced Settings</source>
        <translation>Advanced Settings</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>Maximum file size:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Blocked Files</source>
        <translation>Blocked Files</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>A database error occurred.</translation>
    </message>
    <message>
        <source>Files to sync</source>
        <translation>Files to sync</translation>
    </message>
    <message>
        <source>Blocked file list:</source>
        <translation>Blocked file list:</translation>
    </message>
    <message>
        <source>Folders removed from the sync list will be deleted from this computer. Continue?</source>
        <translation>Folders removed from the sync list will be deleted from this computer. Continue?</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation>Merge mode</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Sync mode</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>The folder is a mount point and cannot be synchronized.</source>
        <translation>The folder is a mount point and cannot be synchronized.</translation>
    </message>
    <message>
        <source>The download was aborted.</source>
        <translation>The download was aborted.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Start Now</translation>
    </message>
    <message>
        <source>The local disk is full. Synchronization has stopped.</source>
        <translation>The local disk is full. Synchronization has stopped.</translation>
    </message>
    <message>
        <source>The storage quota is full. Synchronization has stopped.</source>
        <translation>The storage quota is full. Synchronization has stopped.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connecting...</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Manage</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>User information is unavailable.</source>
        <translation>User information is unavailable.</translation>
    </message>
    <message>
        <source>The connection is abnormal.</source>
        <translation>The connection is abnormal.</translation>
    </message>
    <message>
        <source>Computer Name</source>
        <translation>Computer Name</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <translation>Connection unstable</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Downloading %1...</translation>
    </message>
    <message>
        <source>Get Sharing Link</source>
        <translation>Get Sharing Link</translation>
    </message>
    <message>
        <source>Linking to the server...</source>
        <translation>Linking to the server...</translation>
    </message>
    <message>
        <source>Trying to sync...</source>
        <translation>Trying to sync...</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Viewer</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>SSL Certificate Warning</translation>
    </message>
    <message>
        <source>Pause Connection</source>
        <translation>Pause Connection</translation>
    </message>
    <message>
        <source>Resume Connection</source>
        <translation>Resume Connection</translation>
    </message>
    <message>
        <source>Unlink Connection</source>
        <translation>Unlink Connection</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Blocked Files...</source>
        <translation>Blocked Files...</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Disabling sharing removes all sharing links of this folder. Continue?</source>
        <translation>Disabling sharing removes all sharing links of this folder. Continue?</translation>
    </message>
    <message>
        <source>Enable SSL</source>
        <translation>Enable SSL</translation>
    </message>
    <message>
        <source>Select the folder on this computer that you want to sync.</source>
        <translation>Select the folder on this computer that you want to sync.</translation>
    </message>
    <message>
        <source>has been shared.</source>
        <translation>has been shared.</translation>
    </message>
    <message>
        <source>Download completed.</source>
        <translation>Download completed.</translation>
    </message>
    <message>
        <source>Download failed.</source>
        <translation>Download failed.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>The server has changed. Please relink the connection.</source>
        <translation>The server has changed. Please relink the connection.</translation>
    </message>
    <message>
        <source>Synchronization is paused.</source>
        <translation>Synchronization is paused.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation>The SSL certificate of the server could not be verified.</translation>
    </message>
    <message>
        <source>The client version is not supported by the server.</source>
        <translation>The client version is not supported by the server.</translation>
    </message>
    <message>
        <source>Syncing files...</source>
        <translation>Syncing files...</translation>
    </message>
    <message>
        <source>Backup destination conflicts with an existing sync folder.</source>
        <translation>Backup destination conflicts with an existing sync folder.</translation>
    </message>
    <message>
        <source>This connection has been inactive for a long time.</source>
        <translation>This connection has been inactive for a long time.</translation>
    </message>
    <message>
        <source>Inactive Connection</source>
        <translation>Inactive Connection</translation>
    </message>
    <message>
        <source>Unable to download this file.</source>
        <translation>Unable to download this file.</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <translation>Unable to list the versions of this file.</translation>
    </message>
    <message>
        <source>Unable to create a sharing link for this item.</source>
        <translation>Unable to create a sharing link for this item.</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Double-click the icon to open the client.</source>
        <translation>Double-click the icon to open the client.</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation>Indexing the folder...</translation>
    </message>
    <message>
        <source>Welcome to the %1 Setup Wizard</source>
        <translation>Welcome to the %1 Setup Wizard</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Initialization failed.</translation>
    </message>
    <message>
        <source>Ready to Install %1</source>
        <translation>Ready to Install %1</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup.</source>
        <translation>The following applications are using files that need to be updated by this setup.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Do not close applications. A reboot will be required.</source>
        <translation>Do not close applications. A reboot will be required.</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts and registry entries.</source>
        <translation>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts and registry entries.</translation>
    </message>
    <message>
        <source>Launch %1 now</source>
        <translation>Launch %1 now</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Click the Finish button to exit the Setup Wizard.</translation>
    </message>
    <message>
        <source>%1 has been installed successfully.</source>
        <translation>%1 has been installed successfully.</translation>
    </message>
    <message>
        <source>%1 Setup</source>
        <translation>%1 Setup</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>Change, repair, or remove installation</translation>
    </message>
    <message>
        <source>Completed the %1 Setup Wizard</source>
        <translation>Completed the %1 Setup Wizard</translation>
    </message>
    <message>
        <source>The sync folder is not mounted.</source>
        <translation>The sync folder is not mounted.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation>Repair the installation</translation>
    </message>
    <message>
        <source>The version number cannot be zero.</source>
        <translation>The version number cannot be zero.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Browse Previous Versions</source>
        <translation>Browse Previous Versions</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>Select the operation you wish to perform.</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation>Download only</translation>
    </message>
    <message>
        <source>%1 Setup Wizard ended prematurely because of an error. Your system has not been modified.</source>
        <translation>%1 Setup Wizard ended prematurely because of an error. Your system has not been modified.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Details about this item.</source>
        <translation>Details about this item.</translation>
    </message>
    <message>
        <source>Welcome to the %1 Setup Wizard (maintenance)</source>
        <translation>Welcome to the %1 Setup Wizard (maintenance)</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to change the way %1 features are installed, repair, or remove it.</source>
        <translation>The Setup Wizard allows you to change the way %1 features are installed, repair, or remove it.</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation>Remove the installation</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation>Please read the following license agreement carefully.</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>End-User License Agreement</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Tray</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Repair</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation>The local sync folder is missing.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the %1 installation?</source>
        <translation>Are you sure you want to cancel the %1 installation?</translation>
    </message>
    <message>
        <source>Cancel Installation</source>
        <translation>Cancel Installation</translation>
    </message>
    <message>
        <source>Click Next to accept the license agreement and continue.</source>
        <translation>Click Next to accept the license agreement and continue.</translation>
    </message>
    <message>
        <source>To try again later, run the installation again.</source>
        <translation>To try again later, run the installation again.</translation>
    </message>
    <message>
        <source>%1 Setup Error</source>
        <translation>%1 Setup Error</translation>
    </message>
    <message>
        <source>Close the applications and attempt to install them</source>
        <translation>Close the applications and attempt to install them</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>Some files that need to be updated are currently in use.</translation>
    </message>
    <message>
        <source>Close these applications and click Retry, or click Ignore to continue.</source>
        <translation>Close these applications and click Retry, or click Ignore to continue.</translation>
    </message>
    <message>
        <source>Setup can close and try to restart them automatically.</source>
        <translation>Setup can close and try to restart them automatically.</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Files in Use</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation>Lets you change the way features are installed.</translation>
    </message>
    <message>
        <source>Changing the installation is not available for this product.</source>
        <translation>Changing the installation is not available for this product.</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation>Change the installation</translation>
    </message>
    <message>
        <source>Choose how to maintain %1 on this computer.</source>
        <translation>Choose how to maintain %1 on this computer.</translation>
    </message>
    <message>
        <source>Removes %1 from your computer.</source>
        <translation>Removes %1 from your computer.</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs %1.</source>
        <translation>Please wait while the Setup Wizard installs %1.</translation>
    </message>
    <message>
        <source>The program features you selected are being installed.</source>
        <translation>The program features you selected are being installed.</translation>
    </message>
    <message>
        <source>This may take several minutes.</source>
        <translation>This may take several minutes.</translation>
    </message>
    <message>
        <source>Installing %1</source>
        <translation>Installing %1</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation>The Setup Wizard is ready to begin the installation.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your settings.</source>
        <translation>Click Install to begin the installation. Click Back to review or change any of your settings.</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your system.</source>
        <translation>You have chosen to remove the program from your system.</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove %1.</source>
        <translation>The Setup Wizard is ready to remove %1.</translation>
    </message>
    <message>
        <source>Click Remove to remove %1 from your computer. After removal, this program will no longer be available.</source>
        <translation>Click Remove to remove %1 from your computer. After removal, this program will no longer be available.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Remove %1</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair %1.</source>
        <translation>The Setup Wizard is ready to repair %1.</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of %1.</source>
        <translation>Click Repair to repair the installation of %1.</translation>
    </message>
    <message>
        <source>Repairing fixes missing and corrupt files, shortcuts and registry entries.</source>
        <translation>Repairing fixes missing and corrupt files, shortcuts and registry entries.</translation>
    </message>
    <message>
        <source>Repair %1</source>
        <translation>Repair %1</translation>
    </message>
    <message>
        <source>%1 Setup Wizard was interrupted.</source>
        <translation>%1 Setup Wizard was interrupted.</translation>
    </message>
    <message>
        <source>Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>Your system has not been modified. To install this program at a later time, please run the installation again.</translation>
    </message>
    <message>
        <source>Setup Interrupted</source>
        <translation>Setup Interrupted</translation>
    </message>
    <message>
        <source>The Setup Wizard will install %1 on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>The Setup Wizard will install %1 on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</translation>
    </message>
    <message>
        <source>Repair or remove %1.</source>
        <translation>Repair or remove %1.</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <translation>Setup has finished.</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <translation>Setup was cancelled.</translation>
    </message>
    <message>
        <source>Download History</source>
        <translation>Download History</translation>
    </message>
    <message>
        <source>Link to a New Server</source>
        <translation>Link to a New Server</translation>
    </message>
    <message>
        <source>Setup could not be completed.</source>
        <translation>Setup could not be completed.</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Sharing enabled</translation>
    </message>
    <message>
        <source>The Setup Wizard will guide you through the installation.</source>
        <translation>The Setup Wizard will guide you through the installation.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>I accept the terms in the license agreement</source>
        <translation>I accept the terms in the license agreement</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Select folders to sync</source>
        <translation>Select folders to sync</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation>Your files, everywhere.</translation>
    </message>
    <message>
        <source>File sharing has been disabled for your account.</source>
        <translation>File sharing has been disabled for your account.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this sync task? Files already synced stay on this computer.</source>
        <translation>Are you sure you want to unlink this sync task? Files already synced stay on this computer.</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>Open Containing Folder</translation>
    </message>
    <message>
        <source>Unable to get the file link.</source>
        <translation>Unable to get the file link.</translation>
    </message>
    <message>
        <source>The server has changed.</source>
        <translation>The server has changed.</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>The shared folder is not mounted.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation>The remote folder is not mounted.</translation>
    </message>
    <message>
        <source>Administrator privileges are required to install this program. Continue anyway?</source>
        <translation>Administrator privileges are required to install this program. Continue anyway?</translation>
    </message>
    <message>
        <source>Sync and share your files across devices.</source>
        <translation>Sync and share your files across devices.</translation>
    </message>
    <message>
        <source>File sharing is not available through FarReach.</source>
        <translation>File sharing is not available through FarReach.</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Yesterday</translation>
    </message>
    <message>
        <source>Choose how you want to set up the client.</source>
        <translation>Choose how you want to set up the client.</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation>Quick Setup</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Got it</translation>
    </message>
    <message>
        <source>You do not have permission, or the item has been deleted.</source>
        <translation>You do not have permission, or the item has been deleted.</translation>
    </message>
    <message>
        <source>Right-click a file to share it or browse its previous versions.</source>
        <translation>Right-click a file to share it or browse its previous versions.</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Date range</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <translation>Do not sync this folder</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation>%1 hours ago</translation>
    </message>
    <message>
        <source>Create a new folder on this computer to sync with the server.</source>
        <translation>Create a new folder on this computer to sync with the server.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>May</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Sync Task Already Exists</source>
        <translation>Sync Task Already Exists</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>Preparing to sync...</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>%1 days ago</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Just now</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation>%1 minutes ago</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 items</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Last month</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Keyword</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>Last week</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>October</source>
        <translation>October</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <translation>Resume syncing this folder</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <translation>Do not sync these folders</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>No data</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <translation>Resume syncing these folders</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation>Send to</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Currently syncing</source>
        <translation>Currently syncing</translation>
    </message>
    <message>
        <source>day</source>
        <translation>day</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>All events</source>
        <translation>All events</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Customize</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>March</source>
        <translation>March</translation>
    </message>
    <message>
        <source>December</source>
        <translation>December</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>File type</translation>
    </message>
    <message>
        <source>February</source>
        <translation>February</translation>
    </message>
    <message>
        <source>January</source>
        <translation>January</translation>
    </message>
    <message>
        <source>July</source>
        <translation>July</translation>
    </message>
    <message>
        <source>June</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Advanced Setup</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <translation>Do not show this message again</translation>
    </message>
    <message>
        <source>Sync your home folder with the default settings.</source>
        <translation>Sync your home folder with the default settings.</translation>
    </message>
    <message>
        <source>Your files will be synchronized in the background.</source>
        <translation>Your files will be synchronized in the background.</translation>
    </message>
    <message>
        <source>Setup Complete</source>
        <translation>Setup Complete</translation>
    </message>
    <message>
        <source>Files you put in the sync folder are synced to all your devices.</source>
        <translation>Files you put in the sync folder are synced to all your devices.</translation>
    </message>
    <message>
        <source>Use the tray icon to check the sync status at any time.</source>
        <translation>Use the tray icon to check the sync status at any time.</translation>
    </message>
    <message>
        <source>Setup Mode</source>
        <translation>Setup Mode</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Not needed</translation>
    </message>
    <message>
        <source>Sync Folder</source>
        <translation>Sync Folder</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Tray Icon</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>Search for servers on the local network</translation>
    </message>
    <message>
        <source>Use FarReach</source>
        <translation>Use FarReach</translation>
    </message>
    <message>
        <source>Status Information</source>
        <translation>Status Information</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>Update this file</source>
        <translation>Update this file</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation>No connection is available for this file.</translation>
    </message>
    <message>
        <source>Open the Client</source>
        <translation>Open the Client</translation>
    </message>
    <message>
        <source>Sync with a folder on a new server</source>
        <translation>Sync with a folder on a new server</translation>
    </message>
    <message>
        <source>Create a New Sync Folder</source>
        <translation>Create a New Sync Folder</translation>
    </message>
    <message>
        <source>Sync with a folder in a new session</source>
        <translation>Sync with a folder in a new session</translation>
    </message>
    <message>
        <source>Choose the folders and options to sync yourself.</source>
        <translation>Choose the folders and options to sync yourself.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>File size limit</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Find servers on the local network</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Files will be downloaded only.</source>
        <translation>The selected folder is read-only. Files will be downloaded only.</translation>
    </message>
    <message>
        <source>The selected folder cannot be used as a sync folder.</source>
        <translation>The selected folder cannot be used as a sync folder.</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <translation>More tutorials</translation>
    </message>
    <message>
        <source>The selected folder is already used by another sync task.</source>
        <translation>The selected folder is already used by another sync task.</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>Create a Larkspan folder</source>
        <translation>Create a Larkspan folder</translation>
    </message>
    <message>
        <source>A sync task for this folder already exists.</source>
        <translation>A sync task for this folder already exists.</translation>
    </message>
    <message>
        <source>Please choose another folder.</source>
        <translation>Please choose another folder.</translation>
    </message>
    <message>
        <source>The client is offline.</source>
        <translation>The client is offline.</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Home folder</translation>
    </message>
    <message>
        <source>Sharing links are not available while the home service is disabled.</source>
        <translation>Sharing links are not available while the home service is disabled.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>The SSL certificate of the server has changed.</translation>
    </message>
    <message>
        <source>Set Sync Folder</source>
        <translation>Set Sync Folder</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to the server.</source>
        <translation>Your IP address is not allowed to connect to the server.</translation>
    </message>
    <message>
        <source>When the same file has been changed on both sides:</source>
        <translation>When the same file has been changed on both sides:</translation>
    </message>
    <message>
        <source>The sync direction does not match the existing task.</source>
        <translation>The sync direction does not match the existing task.</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Last page</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>First page</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation>Previous %1 pages</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation>Next %1 pages</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Unlinking...</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Too many failed attempts. Please try again later.</translation>
    </message>
    <message>
        <source>Locked file</source>
        <translation>Locked file</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation>The sync folder cannot be checked because of a network error.</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <translation>The shared folder no longer exists.</translation>
    </message>
    <message>
        <source>Choose the Sync Folder</source>
        <translation>Choose the Sync Folder</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <translation>Keep the most recently modified file</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Two-way sync</translation>
    </message>
    <message>
        <source>Choose the folder on the server and the folder on this computer to sync.</source>
        <translation>Choose the folder on the server and the folder on this computer to sync.</translation>
    </message>
    <message>
        <source>Shared folder</source>
        <translation>Shared folder</translation>
    </message>
    <message>
        <source>%1 requested access to the Office template %2.</source>
        <translation>%1 requested access to the Office template %2.</translation>
    </message>
    <message>
        <source>requested access to an Office template</source>
        <translation>requested access to an Office template</translation>
    </message>
    <message>
        <source>The SSL certificate changed while checking the sync folder.</source>
        <translation>The SSL certificate changed while checking the sync folder.</translation>
    </message>
    <message>
        <source>A one-time password is required.</source>
        <translation>A one-time password is required.</translation>
    </message>
    <message>
        <source>The one-time password is invalid.</source>
        <translation>The one-time password is invalid.</translation>
    </message>
    <message>
        <source>Enter the one-time password:</source>
        <translation>Enter the one-time password:</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>hour</translation>
    </message>
    <message>
        <source>The storage quota is full. The sync folder cannot be used.</source>
        <translation>The storage quota is full. The sync folder cannot be used.</translation>
    </message>
    <message>
        <source>The SSL certificate could not be verified. The sync folder cannot be used.</source>
        <translation>The SSL certificate could not be verified. The sync folder cannot be used.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation>A system error occurred while checking the sync folder.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sync</translation>
    </message>
    <message>
        <source>Overwrite with the version on this computer</source>
        <translation>Overwrite with the version on this computer</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflict</source>
        <translation>Keep both files and rename the conflict</translation>
    </message>
    <message>
        <source>Access request for an Office template</source>
        <translation>Access request for an Office template</translation>
    </message>
    <message>
        <source>Existing files in the folder will be merged with the server.</source>
        <translation>Existing files in the folder will be merged with the server.</translation>
    </message>
    <message>
        <source>Enable advanced sharing</source>
        <translation>Enable advanced sharing</translation>
    </message>
    <message>
        <source>Are you sure you want to stop the backup?</source>
        <translation>Are you sure you want to stop the backup?</translation>
    </message>
    <message>
        <source>Connection list</source>
        <translation>Connection list</translation>
    </message>
    <message>
        <source>Connected server</source>
        <translation>Connected server</translation>
    </message>
    <message>
        <source>Copy sharing link</source>
        <translation>Copy sharing link</translation>
    </message>
    <message>
        <source>Delete permission</source>
        <translation>Delete permission</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation>Open the web portal</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation>Local computer</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation>Remote server</translation>
    </message>
    <message>
        <source>Items that others shared with you</source>
        <translation>Items that others shared with you</translation>
    </message>
    <message>
        <source>Recently changed files</source>
        <translation>Recently changed files</translation>
    </message>
    <message>
        <source>Tutorial step 2</source>
        <translation>Tutorial step 2</translation>
    </message>
    <message>
        <source>Tutorial step 3</source>
        <translation>Tutorial step 3</translation>
    </message>
    <message>
        <source>Tutorial step 4</source>
        <translation>Tutorial step 4</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Share permission</source>
        <translation>Share permission</translation>
    </message>
    <message>
        <source>Connect to your server to get started.</source>
        <translation>Connect to your server to get started.</translation>
    </message>
    <message>
        <source>days</source>
        <translation>days</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>Open Sync Folder</translation>
    </message>
    <message>
        <source>Shared folder missing</source>
        <translation>Shared folder missing</translation>
    </message>
    <message>
        <source>Run on every</source>
        <translation>Run on every</translation>
    </message>
    <message>
        <source>Keep your files in sync between your computer and your server.</source>
        <translation>Keep your files in sync between your computer and your server.</translation>
    </message>
    <message>
        <source>Two-step verification is enforced for your account. Please enable it on the web portal first.</source>
        <translation>Two-step verification is enforced for your account. Please enable it on the web portal first.</translation>
    </message>
    <message>
        <source>The storage quota of the shared folder is full.</source>
        <translation>The storage quota of the shared folder is full.</translation>
    </message>
    <message>
        <source>The form contains invalid values.</source>
        <translation>The form contains invalid values.</translation>
    </message>
    <message>
        <source>Sync Direction</source>
        <translation>Sync Direction</translation>
    </message>
    <message>
        <source>The connection to the server is abnormal. Please check the network and the server.</source>
        <translation>The connection to the server is abnormal. Please check the network and the server.</translation>
    </message>
    <message>
        <source>Choose the shared folder to sync on the server.</source>
        <translation>Choose the shared folder to sync on the server.</translation>
    </message>
    <message>
        <source>Access to the selected folder is denied.</source>
        <translation>Access to the selected folder is denied.</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation>Your account has been disabled.</translation>
    </message>
    <message>
        <source>Proxy server:</source>
        <translation>Proxy server:</translation>
    </message>
    <message>
        <source>Expires after</source>
        <translation>Expires after</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation>No options available</translation>
    </message>
    <message>
        <source>First run time</source>
        <translation>First run time</translation>
    </message>
    <message>
        <source>Authentication failed. Please check the user name and password.</source>
        <translation>Authentication failed. Please check the user name and password.</translation>
    </message>
    <message>
        <source>Use * as a wildcard, for example *.tmp</source>
        <translation>Use * as a wildcard, for example *.tmp</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation>One-way download</translation>
    </message>
    <message>
        <source>A shared folder with the same name already exists.</source>
        <translation>A shared folder with the same name already exists.</translation>
    </message>
    <message>
        <source>Apply to all subfolders and files</source>
        <translation>Apply to all subfolders and files</translation>
    </message>
    <message>
        <source>Expire at</source>
        <translation>Expire at</translation>
    </message>
    <message>
        <source>This field cannot be blank.</source>
        <translation>This field cannot be blank.</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation>Restrict access</translation>
    </message>
    <message>
        <source>Enable the context menu in the file manager</source>
        <translation>Enable the context menu in the file manager</translation>
    </message>
    <message>
        <source>The user home service is disabled.</source>
        <translation>The user home service is disabled.</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation>The client could not be upgraded.</translation>
    </message>
    <message>
        <source>Apply and Copy Link</source>
        <translation>Apply and Copy Link</translation>
    </message>
    <message>
        <source>Expire after a number of accesses</source>
        <translation>Expire after a number of accesses</translation>
    </message>
    <message>
        <source>Valid from</source>
        <translation>Valid from</translation>
    </message>
    <message>
        <source>A newer client version is required. Upgrade now?</source>
        <translation>A newer client version is required. Upgrade now?</translation>
    </message>
    <message>
        <source>The remote folder is not mounted. Please mount it on the server first.</source>
        <translation>The remote folder is not mounted. Please mount it on the server first.</translation>
    </message>
    <message>
        <source>Information button</source>
        <translation>Information button</translation>
    </message>
    <message>
        <source>Add file name button</source>
        <translation>Add file name button</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation>Local destination</translation>
    </message>
    <message>
        <source>Language button</source>
        <translation>Language button</translation>
    </message>
    <message>
        <source>Version download description</source>
        <translation>Version download description</translation>
    </message>
    <message>
        <source>Customize duration</source>
        <translation>Customize duration</translation>
    </message>
    <message>
        <source>month</source>
        <translation>month</translation>
    </message>
    <message>
        <source>Sync folder pair</source>
        <translation>Sync folder pair</translation>
    </message>
    <message>
        <source>Refresh sync log</source>
        <translation>Refresh sync log</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Previous month</translation>
    </message>
    <message>
        <source>Filter sync log</source>
        <translation>Filter sync log</translation>
    </message>
    <message>
        <source>Add folder button</source>
        <translation>Add folder button</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Next month</translation>
    </message>
    <message>
        <source>Change sync folder button</source>
        <translation>Change sync folder button</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <translation>Sync log category</translation>
    </message>
    <message>
        <source>Sync task session description</source>
        <translation>Sync task session description</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation>Remote destination</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation>Close tutorial</translation>
    </message>
    <message>
        <source>Abort version download</source>
        <translation>Abort version download</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation>Delete downloaded version</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it on the web portal.</source>
        <translation>Your password has expired. Please change it on the web portal.</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation>Transfer queue</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation>Renamed on this computer</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation>Renamed on the server</translation>
    </message>
    <message>
        <source>The text exceeds the maximum length of %1 characters.</source>
        <translation>The text exceeds the maximum length of %1 characters.</translation>
    </message>
    <message>
        <source>The user differs from the one of the existing sync tasks.</source>
        <translation>The user differs from the one of the existing sync tasks.</translation>
    </message>
    <message>
        <source>The tunnel service is disabled.</source>
        <translation>The tunnel service is disabled.</translation>
    </message>
    <message>
        <source>The file could not be downloaded. Please check the network connection and try again.</source>
        <translation>The file could not be downloaded. Please check the network connection and try again.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>commented on %1</source>
        <translation>commented on %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>Open in Web Portal</source>
        <translation>Open in Web Portal</translation>
    </message>
    <message>
        <source>Set Up</source>
        <translation>Set Up</translation>
    </message>
    <message>
        <source>Server Information</source>
        <translation>Server Information</translation>
    </message>
    <message>
        <source>This folder is read-only in Velmora Drive.</source>
        <translation>This folder is read-only in Velmora Drive.</translation>
    </message>
    <message>
        <source>Setup is ready to install Velmora Drive on your computer.</source>
        <translation>Setup is ready to install Velmora Drive on your computer.</translation>
    </message>
    <message>
        <source>Velmora Drive is now paired with your server.</source>
        <translation>Velmora Drive is now paired with your server.</translation>
    </message>
    <message>
        <source>Setup is ready to install the client on your computer.</source>
        <translation>Setup is ready to install the client on your computer.</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>%1 is ready.</translation>
    </message>
    <message>
        <source>Show the Velmora Drive tutorial</source>
        <translation>Show the Velmora Drive tutorial</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation>The source folder is read-only.</translation>
    </message>
    <message>
        <source>Velmora Drive is running.</source>
        <translation>Velmora Drive is running.</translation>
    </message>
    <message>
        <source>Sign in to the server to start using Velmora Drive.</source>
        <translation>Sign in to the server to start using Velmora Drive.</translation>
    </message>
    <message>
        <source>Velmora Drive could not be upgraded.</source>
        <translation>Velmora Drive could not be upgraded.</translation>
    </message>
    <message>
        <source>A newer version of Velmora Drive is already installed.</source>
        <translation>A newer version of Velmora Drive is already installed.</translation>
    </message>
    <message>
        <source>Create a new sync task</source>
        <translation>Create a new sync task</translation>
    </message>
    <message>
        <source>This folder is already used by another cloud sync application for Velmora Drive.</source>
        <translation>This folder is already used by another cloud sync application for Velmora Drive.</translation>
    </message>
    <message>
        <source>Your changes will be lost. Continue?</source>
        <translation>Your changes will be lost. Continue?</translation>
    </message>
    <message>
        <source>Velmora Drive tutorial</source>
        <translation>Velmora Drive tutorial</translation>
    </message>
    <message>
        <source>Automatic connection to Velmora Drive failed: invalid ID.</source>
        <translation>Automatic connection to Velmora Drive failed: invalid ID.</translation>
    </message>
    <message>
        <source>Choose the Velmora Drive folder to sync on the server.</source>
        <translation>Choose the Velmora Drive folder to sync on the server.</translation>
    </message>
    <message>
        <source>Start Velmora Drive at login</source>
        <translation>Start Velmora Drive at login</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>%1 is initializing...</translation>
    </message>
    <message>
        <source>The server does not support this version of Velmora Drive.</source>
        <translation>The server does not support this version of Velmora Drive.</translation>
    </message>
    <message>
        <source>This version of the Velmora Drive client is no longer supported.</source>
        <translation>This version of the Velmora Drive client is no longer supported.</translation>
    </message>
    <message>
        <source>Velmora Drive version too old</source>
        <translation>Velmora Drive version too old</translation>
    </message>
    <message>
        <source>The disk is full. Velmora Drive has stopped syncing.</source>
        <translation>The disk is full. Velmora Drive has stopped syncing.</translation>
    </message>
    <message>
        <source>Velmora Drive encountered an error.</source>
        <translation>Velmora Drive encountered an error.</translation>
    </message>
    <message>
        <source>Notifications tab</source>
        <translation>Notifications tab</translation>
    </message>
    <message>
        <source>The folder is not empty. Velmora Drive will merge its content.</source>
        <translation>The folder is not empty. Velmora Drive will merge its content.</translation>
    </message>
    <message>
        <source>Download from Velmora Drive only</source>
        <translation>Download from Velmora Drive only</translation>
    </message>
    <message>
        <source>Velmora Drive is set up. Your files will sync in the background.</source>
        <translation>Velmora Drive is set up. Your files will sync in the background.</translation>
    </message>
    <message>
        <source>Tutorial step 1</source>
        <translation>Tutorial step 1</translation>
    </message>
    <message>
        <source>This version of Velmora Drive is already installed.</source>
        <translation>This version of Velmora Drive is already installed.</translation>
    </message>
    <message>
        <source>Access your Velmora Drive files from this computer.</source>
        <translation>Access your Velmora Drive files from this computer.</translation>
    </message>
    <message>
        <source>Almost done. Velmora Drive is connected to the server.</source>
        <translation>Almost done. Velmora Drive is connected to the server.</translation>
    </message>
    <message>
        <source>Almost done. Your local folder is ready.</source>
        <translation>Almost done. Your local folder is ready.</translation>
    </message>
    <message>
        <source>Advanced Sharing</source>
        <translation>Advanced Sharing</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Create a Velmora Drive folder</source>
        <translation>Create a Velmora Drive folder</translation>
    </message>
    <message>
        <source>This version of Larkspan is already installed.</source>
        <translation>This version of Larkspan is already installed.</translation>
    </message>
    <message>
        <source>A newer version of Larkspan is already installed.</source>
        <translation>A newer version of Larkspan is already installed.</translation>
    </message>
    <message>
        <source>Client tutorial</source>
        <translation>Client tutorial</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>week</source>
        <translation>week</translation>
    </message>
    <message>
        <source>This folder is already used by another cloud sync application.</source>
        <translation>This folder is already used by another cloud sync application.</translation>
    </message>
    <message>
        <source>Automatic connection failed: invalid ID.</source>
        <translation>Automatic connection failed: invalid ID.</translation>
    </message>
    <message>
        <source>The server version is not supported.</source>
        <translation>The server version is not supported.</translation>
    </message>
    <message>
        <source>Version too old</source>
        <translation>Version too old</translation>
    </message>
    <message>
        <source>Show the tutorial</source>
        <translation>Show the tutorial</translation>
    </message>
    <message>
        <source>Start the client at login</source>
        <translation>Start the client at login</translation>
    </message>
    <message>
        <source>The client encountered an error.</source>
        <translation>The client encountered an error.</translation>
    </message>
    <message>
        <source>Finished.</source>
        <translation>Finished.</translation>
    </message>
    <message>
        <source>Finished. You can change the settings at any time.</source>
        <translation>Finished. You can change the settings at any time.</translation>
    </message>
    <message>
        <source>The folder is not empty. Its content will be merged.</source>
        <translation>The folder is not empty. Its content will be merged.</translation>
    </message>
    <message>
        <source>The client is running.</source>
        <translation>The client is running.</translation>
    </message>
    <message>
        <source>Setup is complete. Your files will sync in the background.</source>
        <translation>Setup is complete. Your files will sync in the background.</translation>
    </message>
    <message>
        <source>The client version is too old.</source>
        <translation>The client version is too old.</translation>
    </message>
    <message>
        <source>Open the Server</source>
        <translation>Open the Server</translation>
    </message>
    <message>
        <source>Click to update</source>
        <translation>Click to update</translation>
    </message>
    <message>
        <source>Update the package to use selective sync.</source>
        <translation>Update the package to use selective sync.</translation>
    </message>
    <message>
        <source>Clean up</source>
        <translation>Clean up</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>The local disk is full. The sync folder cannot be used.</source>
        <translation>The local disk is full. The sync folder cannot be used.</translation>
    </message>
    <message>
        <source>The client is now paired with your server.</source>
        <translation>The client is now paired with your server.</translation>
    </message>
    <message>
        <source>Choose another folder or remove the existing sync task.</source>
        <translation>Choose another folder or remove the existing sync task.</translation>
    </message>
    <message>
        <source>Access your files from this computer.</source>
        <translation>Access your files from this computer.</translation>
    </message>
    <message>
        <source>Need help? Visit the online help.</source>
        <translation>Need help? Visit the online help.</translation>
    </message>
    <message>
        <source>Commenter</source>
        <translation>Commenter</translation>
    </message>
    <message>
        <source>Can view files in apps</source>
        <translation>Can view files in apps</translation>
    </message>
    <message>
        <source>Can edit files in apps</source>
        <translation>Can edit files in apps</translation>
    </message>
    <message>
        <source>Only specific people can access</source>
        <translation>Only specific people can access</translation>
    </message>
    <message>
        <source>Anyone with the link can comment</source>
        <translation>Anyone with the link can comment</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation>Anyone with the link can view</translation>
    </message>
    <message>
        <source>Can comment on files in apps</source>
        <translation>Can comment on files in apps</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation>Anyone with the link can edit</translation>
    </message>
    <message>
        <source>Organizer</source>
        <translation>Organizer</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Unable to open the web portal.</source>
        <translation>Unable to open the web portal.</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation>Invite people</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>No access</translation>
    </message>
    <message>
        <source>Nothing has been shared yet.</source>
        <translation>Nothing has been shared yet.</translation>
    </message>
    <message>
        <source>Public sharing is disabled.</source>
        <translation>Public sharing is disabled.</translation>
    </message>
    <message>
        <source>Sharing is disabled. Please contact your administrator.</source>
        <translation>Sharing is disabled. Please contact your administrator.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Request access to the spreadsheet</source>
        <translation>Request access to the spreadsheet</translation>
    </message>
    <message>
        <source>Anyone who has this link will no longer be able to access the item.</source>
        <translation>Anyone who has this link will no longer be able to access the item.</translation>
    </message>
    <message>
        <source>Share the spreadsheet</source>
        <translation>Share the spreadsheet</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>The folder or file does not exist.</source>
        <translation>The folder or file does not exist.</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>You do not have permission to perform this operation.</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation>Weekend</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>My Drive</source>
        <translation>My Drive</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>Restricted</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Public</translation>
    </message>
    <message>
        <source>Advanced sharing settings could not be saved.</source>
        <translation>Advanced sharing settings could not be saved.</translation>
    </message>
    <message>
        <source>Enable expiration</source>
        <translation>Enable expiration</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation>Users and groups</translation>
    </message>
    <message>
        <source>Show black and white icons in the menu bar</source>
        <translation>Show black and white icons in the menu bar</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Show the sync status of local folders</source>
        <translation>Show the sync status of local folders</translation>
    </message>
    <message>
        <source>mentioned you in %1</source>
        <translation>mentioned you in %1</translation>
    </message>
    <message>
        <source>requested access to %1</source>
        <translation>requested access to %1</translation>
    </message>
    <message>
        <source>Share File</source>
        <translation>Share File</translation>
    </message>
    <message>
        <source>shared %1 with you</source>
        <translation>shared %1 with you</translation>
    </message>
    <message>
        <source>Sync notifications</source>
        <translation>Sync notifications</translation>
    </message>
    <message>
        <source>Shared with you</source>
        <translation>Shared with you</translation>
    </message>
    <message>
        <source>requested access</source>
        <translation>requested access</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation>Shared with me</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation>Mentions</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation>One-way upload</translation>
    </message>
    <message>
        <source>Do not remove files on the server when they are removed locally</source>
        <translation>Do not remove files on the server when they are removed locally</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Notification</translation>
    </message>
    <message>
        <source>Your files are synced on all your devices.</source>
        <translation>Your files are synced on all your devices.</translation>
    </message>
    <message>
        <source>Access your files from any browser through the web portal.</source>
        <translation>Access your files from any browser through the web portal.</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Congratulations!</translation>
    </message>
    <message>
        <source>You are ready to go.</source>
        <translation>You are ready to go.</translation>
    </message>
    <message>
        <source>Enable Later</source>
        <translation>Enable Later</translation>
    </message>
    <message>
        <source>Enable Now</source>
        <translation>Enable Now</translation>
    </message>
    <message>
        <source>Create a Sync Task</source>
        <translation>Create a Sync Task</translation>
    </message>
    <message>
        <source>General sync task</source>
        <translation>General sync task</translation>
    </message>
    <message>
        <source>Sync task for Shared with me</source>
        <translation>Sync task for Shared with me</translation>
    </message>
    <message>
        <source>Backup days</source>
        <translation>Backup days</translation>
    </message>
    <message>
        <source>The server does not match the one of this connection.</source>
        <translation>The server does not match the one of this connection.</translation>
    </message>
    <message>
        <source>Protocol error.</source>
        <translation>Protocol error.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>Team folder</source>
        <translation>Team folder</translation>
    </message>
    <message>
        <source>Upgrade failed.</source>
        <translation>Upgrade failed.</translation>
    </message>
    <message>
        <source>Request access to the presentation</source>
        <translation>Request access to the presentation</translation>
    </message>
    <message>
        <source>Share Folder</source>
        <translation>Share Folder</translation>
    </message>
    <message>
        <source>Request access to the folder</source>
        <translation>Request access to the folder</translation>
    </message>
    <message>
        <source>Request access to the file</source>
        <translation>Request access to the file</translation>
    </message>
    <message>
        <source>Request access to the document</source>
        <translation>Request access to the document</translation>
    </message>
    <message>
        <source>Share the document</source>
        <translation>Share the document</translation>
    </message>
    <message>
        <source>Hide removed items</source>
        <translation>Hide removed items</translation>
    </message>
    <message>
        <source>Share the presentation</source>
        <translation>Share the presentation</translation>
    </message>
    <message>
        <source>Privacy Settings</source>
        <translation>Privacy Settings</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>Protect with a password</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Weekdays</translation>
    </message>
    <message>
        <source>has been shared with advanced settings.</source>
        <translation>has been shared with advanced settings.</translation>
    </message>
    <message>
        <source>Create a Shared with me folder</source>
        <translation>Create a Shared with me folder</translation>
    </message>
    <message>
        <source>Any type</source>
        <translation>Any type</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation>Excluded paths</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation>No, choose another folder</translation>
    </message>
    <message>
        <source>Yes, download only</source>
        <translation>Yes, download only</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparing</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation>Queue</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connecting</translation>
    </message>
    <message>
        <source>Enter the address of your server and your account.</source>
        <translation>Enter the address of your server and your account.</translation>
    </message>
    <message>
        <source>Connect to the Server</source>
        <translation>Connect to the Server</translation>
    </message>
    <message>
        <source>The folder is read-only; it can only be used as a backup destination.</source>
        <translation>The folder is read-only; it can only be used as a backup destination.</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Local folder</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Need help?</source>
        <translation>Need help?</translation>
    </message>
    <message>
        <source>Sign in to your server to start syncing.</source>
        <translation>Sign in to your server to start syncing.</translation>
    </message>
    <message>
        <source>Your files, in sync.</source>
        <translation>Your files, in sync.</translation>
    </message>
    <message>
        <source>Back up files as soon as they change.</source>
        <translation>Back up files as soon as they change.</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Back up files at scheduled times.</source>
        <translation>Back up files at scheduled times.</translation>
    </message>
    <message>
        <source>The computer will shut down when the backup finishes. Continue?</source>
        <translation>The computer will shut down when the backup finishes. Continue?</translation>
    </message>
    <message>
        <source>Back Up Your Files</source>
        <translation>Back Up Your Files</translation>
    </message>
    <message>
        <source>Sync Your Files</source>
        <translation>Sync Your Files</translation>
    </message>
    <message>
        <source>Back up the files of this computer to your server.</source>
        <translation>Back up the files of this computer to your server.</translation>
    </message>
    <message>
        <source>Back up only when you start it.</source>
        <translation>Back up only when you start it.</translation>
    </message>
    <message>
        <source>Get Link</source>
        <translation>Get Link</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>Run on</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Start time</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Last end time</source>
        <translation>Last end time</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>Last run time</translation>
    </message>
    <message>
        <source>Manage sharing links</source>
        <translation>Manage sharing links</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Open in File Manager</translation>
    </message>
    <message>
        <source>Last upload: %1</source>
        <translation>Last upload: %1</translation>
    </message>
    <message>
        <source>Task Settings</source>
        <translation>Task Settings</translation>
    </message>
    <message>
        <source>The backup will run on the next day.</source>
        <translation>The backup will run on the next day.</translation>
    </message>
    <message>
        <source>Unable to get the sharing information.</source>
        <translation>Unable to get the sharing information.</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>Backup destination</translation>
    </message>
    <message>
        <source>Allow download</source>
        <translation>Allow download</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>Backup Schedule</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Manager</translation>
    </message>
    <message>
        <source>Previewer</source>
        <translation>Previewer</translation>
    </message>
    <message>
        <source>Preview and comment</source>
        <translation>Preview and comment</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>Create Backup Task</translation>
    </message>
    <message>
        <source>Files matching these rules are not synchronized.</source>
        <translation>Files matching these rules are not synchronized.</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation>Sync temporary files</translation>
    </message>
    <message>
        <source>Choose how your files are backed up.</source>
        <translation>Choose how your files are backed up.</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation>No folder selected.</translation>
    </message>
    <message>
        <source>Back up your files to the server.</source>
        <translation>Back up your files to the server.</translation>
    </message>
    <message>
        <source>Remote folder</source>
        <translation>Remote folder</translation>
    </message>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Start your first backup</source>
        <translation>Start your first backup</translation>
    </message>
    <message>
        <source>Files matching these rules are not backed up.</source>
        <translation>Files matching these rules are not backed up.</translation>
    </message>
    <message>
        <source>Free up space</source>
        <translation>Free up space</translation>
    </message>
    <message>
        <source>Always keep on this device</source>
        <translation>Always keep on this device</translation>
    </message>
    <message>
        <source>Unpin</source>
        <translation>Unpin</translation>
    </message>
    <message>
        <source>Custom days</source>
        <translation>Custom days</translation>
    </message>
    <message>
        <source>When done</source>
        <translation>When done</translation>
    </message>
    <message>
        <source>Enter a name for this computer.</source>
        <translation>Enter a name for this computer.</translation>
    </message>
    <message>
        <source>Choose a folder on the server.</source>
        <translation>Choose a folder on the server.</translation>
    </message>
    <message>
        <source>Ignore files starting with a dot</source>
        <translation>Ignore files starting with a dot</translation>
    </message>
    <message>
        <source>No valid folder selected.</source>
        <translation>No valid folder selected.</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Every</translation>
    </message>
    <message>
        <source>Start your first sync</source>
        <translation>Start your first sync</translation>
    </message>
    <message>
        <source>The session could not be registered.</source>
        <translation>The session could not be registered.</translation>
    </message>
    <message>
        <source>The backup server has changed.</source>
        <translation>The backup server has changed.</translation>
    </message>
    <message>
        <source>The SSL certificate of the backup server could not be verified.</source>
        <translation>The SSL certificate of the backup server could not be verified.</translation>
    </message>
    <message>
        <source>This client version is not supported by the backup server.</source>
        <translation>This client version is not supported by the backup server.</translation>
    </message>
    <message>
        <source>The client version is not compatible with the server. Please update the client.</source>
        <translation>The client version is not compatible with the server. Please update the client.</translation>
    </message>
    <message>
        <source>Please check your user name and password and try again.</source>
        <translation>Please check your user name and password and try again.</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Please check the address and your network.</source>
        <translation>Unable to connect to the server. Please check the address and your network.</translation>
    </message>
    <message>
        <source>The certificate of the server is invalid.</source>
        <translation>The certificate of the server is invalid.</translation>
    </message>
    <message>
        <source>The software version is not supported. Please update the server or the client.</source>
        <translation>The software version is not supported. Please update the server or the client.</translation>
    </message>
    <message>
        <source>Not backed up yet</source>
        <translation>Not backed up yet</translation>
    </message>
    <message>
        <source>Sync files between this computer and the server.</source>
        <translation>Sync files between this computer and the server.</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>Learn more</translation>
    </message>
    <message>
        <source>Set when and how often to back up.</source>
        <translation>Set when and how often to back up.</translation>
    </message>
    <message>
        <source>Run missed backups</source>
        <translation>Run missed backups</translation>
    </message>
    <message>
        <source>Choose the folders to sync.</source>
        <translation>Choose the folders to sync.</translation>
    </message>
    <message>
        <source>Review the settings below and click Done.</source>
        <translation>Review the settings below and click Done.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>The package version is not valid.</source>
        <translation>The package version is not valid.</translation>
    </message>
    <message>
        <source>Backup authentication failed.</source>
        <translation>Backup authentication failed.</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to back up to this server.</source>
        <translation>Your IP address is not allowed to back up to this server.</translation>
    </message>
    <message>
        <source>The selection contains items that cannot be backed up.</source>
        <translation>The selection contains items that cannot be backed up.</translation>
    </message>
    <message>
        <source>Backup Direction Mismatch</source>
        <translation>Backup Direction Mismatch</translation>
    </message>
    <message>
        <source>Click Install to install Velmora Drive.</source>
        <translation>Click Install to install Velmora Drive.</translation>
    </message>
    <message>
        <source>Enter the address of the backup server and your account.</source>
        <translation>Enter the address of the backup server and your account.</translation>
    </message>
    <message>
        <source>The backup destination is full.</source>
        <translation>The backup destination is full.</translation>
    </message>
    <message>
        <source>Backup Folder Not Mounted</source>
        <translation>Backup Folder Not Mounted</translation>
    </message>
    <message>
        <source>The client encountered an abnormal condition. Please restart it.</source>
        <translation>The client encountered an abnormal condition. Please restart it.</translation>
    </message>
    <message>
        <source>Back up temporary files</source>
        <translation>Back up temporary files</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>Home Service Disabled</source>
        <translation>Home Service Disabled</translation>
    </message>
    <message>
        <source>The user home service is disabled, so the backup cannot run.</source>
        <translation>The user home service is disabled, so the backup cannot run.</translation>
    </message>
    <message>
        <source>Local Folder Missing</source>
        <translation>Local Folder Missing</translation>
    </message>
    <message>
        <source>The backup could not be initialized.</source>
        <translation>The backup could not be initialized.</translation>
    </message>
    <message>
        <source>The backup folder on the server is not mounted.</source>
        <translation>The backup folder on the server is not mounted.</translation>
    </message>
    <message>
        <source>Permission Denied</source>
        <translation>Permission Denied</translation>
    </message>
    <message>
        <source>You do not have permission to back up to this folder.</source>
        <translation>You do not have permission to back up to this folder.</translation>
    </message>
    <message>
        <source>Backup Destination Not Mounted</source>
        <translation>Backup Destination Not Mounted</translation>
    </message>
    <message>
        <source>Almost done. Velmora Drive is connected to the Velmora Drive server.</source>
        <translation>Almost done. Velmora Drive is connected to the Velmora Drive server.</translation>
    </message>
    <message>
        <source>Download from the Velmora Drive server only</source>
        <translation>Download from the Velmora Drive server only</translation>
    </message>
    <message>
        <source>Fri.</source>
        <translation>Fri.</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Role</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>I do not accept the terms in the license agreement</source>
        <translation>I do not accept the terms in the license agreement</translation>
    </message>
    <message>
        <source>Disk Full</source>
        <translation>Disk Full</translation>
    </message>
    <message>
        <source>Initialization Failed</source>
        <translation>Initialization Failed</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task.</source>
        <translation>The backup direction does not match the existing task.</translation>
    </message>
    <message>
        <source>The backup destination is not mounted.</source>
        <translation>The backup destination is not mounted.</translation>
    </message>
    <message>
        <source>The local folder of the backup task is missing.</source>
        <translation>The local folder of the backup task is missing.</translation>
    </message>
    <message>
        <source>Shared Folder Quota Full</source>
        <translation>Shared Folder Quota Full</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full; the backup has stopped.</source>
        <translation>The quota of the shared folder is full; the backup has stopped.</translation>
    </message>
    <message>
        <source>Quota Full</source>
        <translation>Quota Full</translation>
    </message>
    <message>
        <source>Your storage quota is full; the backup has stopped.</source>
        <translation>Your storage quota is full; the backup has stopped.</translation>
    </message>
    <message>
        <source>Remote Folder Missing</source>
        <translation>Remote Folder Missing</translation>
    </message>
    <message>
        <source>The backup folder on the server no longer exists.</source>
        <translation>The backup folder on the server no longer exists.</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation>Link permission</translation>
    </message>
    <message>
        <source>Next backup time</source>
        <translation>Next backup time</translation>
    </message>
    <message>
        <source>Backup plan</source>
        <translation>Backup plan</translation>
    </message>
    <message>
        <source>Sharing link</source>
        <translation>Sharing link</translation>
    </message>
    <message>
        <source>The server version does not support Velmora Drive backup.</source>
        <translation>The server version does not support Velmora Drive backup.</translation>
    </message>
    <message>
        <source>This server is already linked.</source>
        <translation>This server is already linked.</translation>
    </message>
    <message>
        <source>Loading shared folders...</source>
        <translation>Loading shared folders...</translation>
    </message>
    <message>
        <source>Velmora Drive cannot watch files on network drives.</source>
        <translation>Velmora Drive cannot watch files on network drives.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Continue connecting?</source>
        <translation>The SSL certificate of the server has changed. Continue connecting?</translation>
    </message>
    <message>
        <source>An SSL error occurred.</source>
        <translation>An SSL error occurred.</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <translation>Welcome!</translation>
    </message>
    <message>
        <source>Learn more about the client</source>
        <translation>Learn more about the client</translation>
    </message>
    <message>
        <source>Learn more about Velmora Drive</source>
        <translation>Learn more about Velmora Drive</translation>
    </message>
    <message>
        <source>Linking...</source>
        <translation>Linking...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Up to date</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Velmora Drive</source>
        <translation>Velmora Drive</translation>
    </message>
    <message>
        <source>Folder link</source>
        <translation>Folder link</translation>
    </message>
    <message>
        <source>Expiration</source>
        <translation>Expiration</translation>
    </message>
    <message>
        <source>Protect Link</source>
        <translation>Protect Link</translation>
    </message>
    <message>
        <source>This Velmora Drive version is not compatible with the server. Please update Velmora Drive.</source>
        <translation>This Velmora Drive version is not compatible with the server. Please update Velmora Drive.</translation>
    </message>
    <message>
        <source>Create a task to sync or back up your files.</source>
        <translation>Create a task to sync or back up your files.</translation>
    </message>
    <message>
        <source>Open the Velmora Drive web portal</source>
        <translation>Open the Velmora Drive web portal</translation>
    </message>
    <message>
        <source>Velmora Drive Client</source>
        <translation>Velmora Drive Client</translation>
    </message>
    <message>
        <source>This Velmora Drive version is not supported. Please update the server or Velmora Drive.</source>
        <translation>This Velmora Drive version is not supported. Please update the server or Velmora Drive.</translation>
    </message>
    <message>
        <source>Velmora Drive Package</source>
        <translation>Velmora Drive Package</translation>
    </message>
    <message>
        <source>Velmora Drive is ready to go.</source>
        <translation>Velmora Drive is ready to go.</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation>The local folder could not be created.</translation>
    </message>
    <message>
        <source>Files stay in the cloud until you open them, saving disk space.</source>
        <translation>Files stay in the cloud until you open them, saving disk space.</translation>
    </message>
    <message>
        <source>A newer version of Larkspan for Velmora Drive is already installed.</source>
        <translation>A newer version of Larkspan for Velmora Drive is already installed.</translation>
    </message>
    <message>
        <source>Velmora Drive tutorial step 1</source>
        <translation>Velmora Drive tutorial step 1</translation>
    </message>
    <message>
        <source>Task type</source>
        <translation>Task type</translation>
    </message>
    <message>
        <source>Can delete</source>
        <translation>Can delete</translation>
    </message>
    <message>
        <source>Setup will install the sync and backup components.</source>
        <translation>Setup will install the sync and backup components.</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <translation>Enable on-demand sync</translation>
    </message>
    <message>
        <source>The certificate of the server has expired.</source>
        <translation>The certificate of the server has expired.</translation>
    </message>
    <message>
        <source>The on-demand sync root folder is missing.</source>
        <translation>The on-demand sync root folder is missing.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>On-demand Sync</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <translation>On-demand sync could not be enabled.</translation>
    </message>
    <message>
        <source>Save Disk Space with On-demand Sync</source>
        <translation>Save Disk Space with On-demand Sync</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>The date format is invalid.</source>
        <translation>The date format is invalid.</translation>
    </message>
    <message>
        <source>Invalid time.</source>
        <translation>Invalid time.</translation>
    </message>
    <message>
        <source>Double-click a cell to edit it.</source>
        <translation>Double-click a cell to edit it.</translation>
    </message>
    <message>
        <source>Backup Destination</source>
        <translation>Backup Destination</translation>
    </message>
    <message>
        <source>Roles and Permissions</source>
        <translation>Roles and Permissions</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Downloaded</translation>
    </message>
    <message>
        <source>On-demand sync is not supported at this path.</source>
        <translation>On-demand sync is not supported at this path.</translation>
    </message>
    <message>
        <source>Files appear on this computer but are downloaded only when you open them.</source>
        <translation>Files appear on this computer but are downloaded only when you open them.</translation>
    </message>
    <message>
        <source>The local disk is full. The Velmora Drive folder cannot be used.</source>
        <translation>The local disk is full. The Velmora Drive folder cannot be used.</translation>
    </message>
    <message>
        <source>Sync a folder on the server with a folder on this computer.</source>
        <translation>Sync a folder on the server with a folder on this computer.</translation>
    </message>
    <message>
        <source>Sync the items shared with you?</source>
        <translation>Sync the items shared with you?</translation>
    </message>
    <message>
        <source>Sync the files that others shared with you.</source>
        <translation>Sync the files that others shared with you.</translation>
    </message>
    <message>
        <source>Files starting with a dot</source>
        <translation>Files starting with a dot</translation>
    </message>
    <message>
        <source>You need administrator privileges to back up these files.</source>
        <translation>You need administrator privileges to back up these files.</translation>
    </message>
    <message>
        <source>Keep shared files on this computer</source>
        <translation>Keep shared files on this computer</translation>
    </message>
    <message>
        <source>The backup requires a user with the proper privileges.</source>
        <translation>The backup requires a user with the proper privileges.</translation>
    </message>
    <message>
        <source>The server version does not support Velmora Drive.</source>
        <translation>The server version does not support Velmora Drive.</translation>
    </message>
    <message>
        <source>Insufficient privileges.</source>
        <translation>Insufficient privileges.</translation>
    </message>
    <message>
        <source>The backup destination conflicts with another task.</source>
        <translation>The backup destination conflicts with another task.</translation>
    </message>
    <message>
        <source>Protocol error: the server name differs.</source>
        <translation>Protocol error: the server name differs.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>Only you can access</source>
        <translation>Only you can access</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Continue Anyway</translation>
    </message>
    <message>
        <source>Welcome to the client. This short tour shows you around.</source>
        <translation>Welcome to the client. This short tour shows you around.</translation>
    </message>
    <message>
        <source>You can change the settings at any time from the tray menu.</source>
        <translation>You can change the settings at any time from the tray menu.</translation>
    </message>
    <message>
        <source>Start Tour</source>
        <translation>Start Tour</translation>
    </message>
    <message>
        <source>Available online only</source>
        <translation>Available online only</translation>
    </message>
    <message>
        <source>Available on this device</source>
        <translation>Available on this device</translation>
    </message>
    <message>
        <source>Need help with Velmora Drive? Visit the online help.</source>
        <translation>Need help with Velmora Drive? Visit the online help.</translation>
    </message>
    <message>
        <source>Please enter a user name.</source>
        <translation>Please enter a user name.</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation>Synchronization mode</translation>
    </message>
    <message>
        <source>All files will be downloaded to this computer. Continue?</source>
        <translation>All files will be downloaded to this computer. Continue?</translation>
    </message>
    <message>
        <source>Share files with others from the context menu.</source>
        <translation>Share files with others from the context menu.</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>The Velmora Drive server does not match the one of this connection.</source>
        <translation>The Velmora Drive server does not match the one of this connection.</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>%1 of %2 used</translation>
    </message>
    <message>
        <source>Protocol error: please update Velmora Drive.</source>
        <translation>Protocol error: please update Velmora Drive.</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Processing %1</translation>
    </message>
    <message>
        <source>Processing %1 item</source>
        <translation>Processing %1 item</translation>
    </message>
    <message>
        <source>Processing %1 items</source>
        <translation>Processing %1 items</translation>
    </message>
    <message>
        <source>Storage quota information is not available.</source>
        <translation>Storage quota information is not available.</translation>
    </message>
    <message>
        <source>Your personal storage quota has been reached.</source>
        <translation>Your personal storage quota has been reached.</translation>
    </message>
    <message>
        <source>%1 used of %2 storage</source>
        <translation>%1 used of %2 storage</translation>
    </message>
    <message>
        <source>Some folders have reached their quota limit.</source>
        <translation>Some folders have reached their quota limit.</translation>
    </message>
    <message>
        <source>The filter to restore is not valid.</source>
        <translation>The filter to restore is not valid.</translation>
    </message>
    <message>
        <source>Choose the folders you want to back up.</source>
        <translation>Choose the folders you want to back up.</translation>
    </message>
    <message>
        <source>Choose Backup Source</source>
        <translation>Choose Backup Source</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>You are not allowed to back up.</source>
        <translation>You are not allowed to back up.</translation>
    </message>
    <message>
        <source>Your account does not have permission to use the backup service.</source>
        <translation>Your account does not have permission to use the backup service.</translation>
    </message>
    <message>
        <source>You are not allowed to use this service.</source>
        <translation>You are not allowed to use this service.</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Not allowed</translation>
    </message>
    <message>
        <source>Show icons for filtered files</source>
        <translation>Show icons for filtered files</translation>
    </message>
    <message>
        <source>Enable password protection for sharing</source>
        <translation>Enable password protection for sharing</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation>Remove Link</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this link?</source>
        <translation>Are you sure you want to remove this link?</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Storage</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>An abnormal error occurred.</source>
        <translation>An abnormal error occurred.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>The backup failed.</translation>
    </message>
    <message>
        <source>The session could not be created.</source>
        <translation>The session could not be created.</translation>
    </message>
    <message>
        <source>You do not have permission to access the shared folder.</source>
        <translation>You do not have permission to access the shared folder.</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>Processing %1...</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>Syncing</translation>
    </message>
    <message>
        <source>The session could not be loaded.</source>
        <translation>The session could not be loaded.</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>No such directory.</source>
        <translation>No such directory.</translation>
    </message>
    <message>
        <source>Protected Sharing</source>
        <translation>Protected Sharing</translation>
    </message>
    <message>
        <source>Shut down the computer after the backup</source>
        <translation>Shut down the computer after the backup</translation>
    </message>
    <message>
        <source>Shutting down the computer requires administrator privileges.</source>
        <translation>Shutting down the computer requires administrator privileges.</translation>
    </message>
    <message>
        <source>The backup was cancelled.</source>
        <translation>The backup was cancelled.</translation>
    </message>
    <message>
        <source>The backup is done.</source>
        <translation>The backup is done.</translation>
    </message>
    <message>
        <source>Backup times</source>
        <translation>Backup times</translation>
    </message>
    <message>
        <source>times</source>
        <translation>times</translation>
    </message>
    <message>
        <source>Choose Backup Mode</source>
        <translation>Choose Backup Mode</translation>
    </message>
    <message>
        <source>Back up now?</source>
        <translation>Back up now?</translation>
    </message>
    <message>
        <source>Run the backups that were missed while the computer was off.</source>
        <translation>Run the backups that were missed while the computer was off.</translation>
    </message>
    <message>
        <source>Please select at least one day of the week.</source>
        <translation>Please select at least one day of the week.</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Every day</translation>
    </message>
    <message>
        <source>Last backup time</source>
        <translation>Last backup time</translation>
    </message>
    <message>
        <source>Manual backup</source>
        <translation>Manual backup</translation>
    </message>
    <message>
        <source>Once a day</source>
        <translation>Once a day</translation>
    </message>
    <message>
        <source>Real-time backup</source>
        <translation>Real-time backup</translation>
    </message>
    <message>
        <source>Scheduled backup</source>
        <translation>Scheduled backup</translation>
    </message>
    <message>
        <source>Set Backup Plan</source>
        <translation>Set Backup Plan</translation>
    </message>
    <message>
        <source>Taking a snapshot...</source>
        <translation>Taking a snapshot...</translation>
    </message>
    <message>
        <source>The backup plan information could not be updated.</source>
        <translation>The backup plan information could not be updated.</translation>
    </message>
    <message>
        <source>Files larger than this size are not synchronized.</source>
        <translation>Files larger than this size are not synchronized.</translation>
    </message>
    <message>
        <source>Filter Rules</source>
        <translation>Filter Rules</translation>
    </message>
    <message>
        <source>0 means no limit.</source>
        <translation>0 means no limit.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>System default</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Show removed items</source>
        <translation>Show removed items</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Used</translation>
    </message>
    <message>
        <source>%1 of the quota used</source>
        <translation>%1 of the quota used</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>Pause Syncing</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>Resume Syncing</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation>Filter settings</translation>
    </message>
    <message>
        <source>replied to a comment on %1</source>
        <translation>replied to a comment on %1</translation>
    </message>
    <message>
        <source>Replies</source>
        <translation>Replies</translation>
    </message>
    <message>
        <source>Edit Connection</source>
        <translation>Edit Connection</translation>
    </message>
    <message>
        <source>No Thanks</source>
        <translation>No Thanks</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>Backup Tasks</source>
        <translation>Backup Tasks</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Sync Tasks</source>
        <translation>Sync Tasks</translation>
    </message>
    <message>
        <source>Backup mode</source>
        <translation>Backup mode</translation>
    </message>
    <message>
        <source>Recently Changed</source>
        <translation>Recently Changed</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Back Up Now</translation>
    </message>
    <message>
        <source>Select Files to Sync</source>
        <translation>Select Files to Sync</translation>
    </message>
    <message>
        <source>Selective Sync Mode</source>
        <translation>Selective Sync Mode</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation>Selective Sync...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>equal to</source>
        <translation>equal to</translation>
    </message>
    <message>
        <source>less than</source>
        <translation>less than</translation>
    </message>
    <message>
        <source>greater than</source>
        <translation>greater than</translation>
    </message>
    <message>
        <source>Your files are up to date.</source>
        <translation>Your files are up to date.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>The backup destination conflicts with a Velmora Drive sync folder.</source>
        <translation>The backup destination conflicts with a Velmora Drive sync folder.</translation>
    </message>
    <message>
        <source>The backup destination conflicts with a Velmora Drive backup task.</source>
        <translation>The backup destination conflicts with a Velmora Drive backup task.</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP Address</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation>Local sync folder</translation>
    </message>
    <message>
        <source>Open Sync Status</source>
        <translation>Open Sync Status</translation>
    </message>
    <message>
        <source>The server does not support this version of Larkspan.</source>
        <translation>The server does not support this version of Larkspan.</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Unable to connect to the server.</translation>
    </message>
    <message>
        <source>The server does not support this version of Larkspan for Velmora Drive.</source>
        <translation>The server does not support this version of Larkspan for Velmora Drive.</translation>
    </message>
</context>
</TS>
