<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Delete</source>
        <translation type="unfinished">Delete</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation type="unfinished">Unlink</translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished">Add</translation>
    </message>
    <message>
        <source>Choose Another Folder</source>
        <translation type="unfinished">Choose Another Folder</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation type="unfinished">Merge</translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished">Error</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <translation type="unfinished">A conflict occurred.</translation>
    </message>
    <message>
        <source>Invalid parameter.</source>
        <translation type="unfinished">Invalid parameter.</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation type="unfinished">A network error occurred.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished">Finish</translation>
    </message>
    <message>
        <source>Local</source>
        <translation type="unfinished">Local</translation>
    </message>
    <message>
        <source>Relink</source>
        <translation type="unfinished">Relink</translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished">About</translation>
    </message>
    <message>
        <source>Please check your password.</source>
        <translation type="unfinished">Please check your password.</translation>
    </message>
    <message>
        <source>Connected successfully.</source>
        <translation type="unfinished">Connected successfully.</translation>
    </message>
    <message>
        <source>The folder is not empty. Do you want to merge its content with the server?</source>
        <translation type="unfinished">The folder is not empty. Do you want to merge its content with the server?</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation type="unfinished">Start at login</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished">Summary</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation type="unfinished">Testing the connection...</translation>
    </message>
    <message>
        <source>Connection test failed. Please check the user name.</source>
        <translation type="unfinished">Connection test failed. Please check the user name.</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation type="unfinished">Change Folder</translation>
    </message>
    <message>
        <source>Folder Not Empty</source>
        <translation type="unfinished">Folder Not Empty</translation>
    </message>
    <message>
        <source>Folder Path</source>
        <translation type="unfinished">Folder Path</translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished">ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished">Name</translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished">Value</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation type="unfinished">Welcome</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished">Exit</translation>
    </message>
    <message>
        <source>Updated files</source>
        <translation type="unfinished">Updated files</translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished">Download</translation>
    </message>
    <message>
        <source>min</source>
        <translation type="unfinished">min</translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished">Help</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Cancel</translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished">Next</translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished">Back</translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished">Version</translation>
    </message>
    <message>
        <source>An unexpected event occurred.</source>
        <translation type="unfinished">An unexpected event occurred.</translation>
    </message>
    <message>
        <source>Disconnected from the server.</source>
        <translation type="unfinished">Disconnected from the server.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation type="unfinished">Upload</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation type="unfinished">Get Started</translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished">Time</translation>
    </message>
    <message>
        <source>LAN</source>
        <translation type="unfinished">LAN</translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation type="unfinished">Direct connection</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation type="unfinished">Authentication failed</translation>
    </message>
    <message>
        <source>Reading connection settings...</source>
        <translation type="unfinished">Reading connection settings...</translation>
    </message>
    <message>
        <source>FarReach</source>
        <translation type="unfinished">FarReach</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation type="unfinished">Internet</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <translation type="unfinished">Automatic connection failed because of a system error.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the server.</source>
        <translation type="unfinished">The user home service is disabled on the server.</translation>
    </message>
    <message>
        <source>Files updated</source>
        <translation type="unfinished">Files updated</translation>
    </message>
    <message>
        <source>The folder is read-only.</source>
        <translation type="unfinished">The folder is read-only.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation type="unfinished">Your storage quota on the server is full.</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation type="unfinished">Connection Mode</translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished">Information</translation>
    </message>
    <message>
        <source>Change Shared Folder</source>
        <translation type="unfinished">Change Shared Folder</translation>
    </message>
    <message>
        <source>Shared Folders</source>
        <translation type="unfinished">Shared Folders</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation type="unfinished">No proxy</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation type="unfinished">Use system proxy settings</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished">Password:</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation type="unfinished">Please select a folder.</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a control error.</source>
        <translation type="unfinished">Automatic connection failed because of a control error.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished">Port:</translation>
    </message>
    <message>
        <source>Your settings have not been saved. Save them now?</source>
        <translation type="unfinished">Your settings have not been saved. Save them now?</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation type="unfinished">Disk full</translation>
    </message>
    <message>
        <source>Unable to enable sharing for this folder.</source>
        <translation type="unfinished">Unable to enable sharing for this folder.</translation>
    </message>
    <message>
        <source>This folder conflicts with an existing shared folder.</source>
        <translation type="unfinished">This folder conflicts with an existing shared folder.</translation>
    </message>
    <message>
        <source>The maximum number of shared folders has been reached.</source>
        <translation type="unfinished">The maximum number of shared folders has been reached.</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation type="unfinished">Applying settings...</translation>
    </message>
    <message>
        <source>Invalid port number.</source>
        <translation type="unfinished">Invalid port number.</translation>
    </message>
    <message>
        <source>Please enter the proxy IP address and port.</source>
        <translation type="unfinished">Please enter the proxy IP address and port.</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation type="unfinished">Manual proxy configuration</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation type="unfinished">Proxy</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation type="unfinished">Proxy Settings</translation>
    </message>
    <message>
        <source>No changes were made.</source>
        <translation type="unfinished">No changes were made.</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <translation type="unfinished">Enable sharing</translation>
    </message>
    <message>
        <source>Shared folder name</source>
        <translation type="unfinished">Shared folder name</translation>
    </message>
    <message>
        <source>Sharing status</source>
        <translation type="unfinished">Sharing status</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation type="unfinished">Sharing</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished">Apply</translation>
    </message>
    <message>
        <source>Cancel Changes</source>
        <translation type="unfinished">Cancel Changes</translation>
    </message>
    <message>
        <source>Network</source>
        <translation type="unfinished">Network</translation>
    </message>
    <message>
        <source>Open Management Page</source>
        <translation type="unfinished">Open Management Page</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation type="unfinished">Proxy server requires authentication</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation type="unfinished">Updating...</translation>
    </message>
    <message>
        <source>Enable SSL data encryption</source>
        <translation type="unfinished">Enable SSL data encryption</translation>
    </message>
    <message>
        <source>Abnormal</source>
        <translation type="unfinished">Abnormal</translation>
    </message>
    <message>
        <source>IP Details</source>
        <translation type="unfinished">IP Details</translation>
    </message>
    <message>
        <source>Enable desktop notifications</source>
        <translation type="unfinished">Enable desktop notifications</translation>
    </message>
    <message>
        <source>Enable icon overlays</source>
        <translation type="unfinished">Enable icon overlays</translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished">Options</translation>
    </message>
    <message>
        <source>Option Settings</source>
        <translation type="unfinished">Option Settings</translation>
    </message>
    <message>
        <source>Use black and white tray icons</source>
        <translation type="unfinished">Use black and white tray icons</translation>
    </message>
    <message>
        <source>%1 shared a folder with you.</source>
        <translation type="unfinished">%1 shared a folder with you.</translation>
    </message>
    <message>
        <source>New share</source>
        <translation type="unfinished">New share</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <translation type="unfinished">Checking data...</translation>
    </message>
    <message>
        <source>Automatic setup failed.</source>
        <translation type="unfinished">Automatic setup failed.</translation>
    </message>
    <message>
        <source>Finishing setup...</source>
        <translation type="unfinished">Finishing setup...</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished">Continue</translation>
    </message>
    <message>
        <source>Selective Sync</source>
        <translation type="unfinished">Selective Sync</translation>
    </message>
    <message>
        <source>Files with the following names or extensions will not be synchronized.</source>
        <translation type="unfinished">Files with the following names or extensions will not be synchronized.</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation type="unfinished">Upgrading...</translation>
    </message>
    <message>
        <source>File extension:</source>
        <translation type="unfinished">File extension:</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation type="unfinished">Mount point</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation type="unfinished">Upgrade</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished">Progress</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this shared item?</source>
        <translation type="unfinished">Are you sure you want to delete this shared item?</translation>
    </message>
    <message>
        <source>Home service disabled</source>
        <translation type="unfinished">Home service disabled</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <translation type="unfinished">Unable to delete the shared item.</translation>
    </message>
    <message>
        <source>The setup key has been configured.</source>
        <translation type="unfinished">The setup key has been configured.</translation>
    </message>
    <message>
        <source>The new language takes effect after the client restarts.</source>
        <translation type="unfinished">The new language takes effect after the client restarts.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished">Folder</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <translation type="unfinished">The local disk is full.</translation>
    </message>
    <message>
        <source>Loading the folder list...</source>
        <translation type="unfinished">Loading the folder list...</translation>
    </message>
    <message>
        <source>Delete Shared Item</source>
        <translation type="unfinished">Delete Shared Item</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <translation type="unfinished">Are you sure you want to unlink this connection?</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation type="unfinished">Destination</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation type="unfinished">Preparing...</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation type="unfinished">Uploading...</translation>
    </message>
    <message>
        <source>Default language</source>
        <translation type="unfinished">Default language</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation type="unfinished">Language:</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation type="unfinished">Folder name</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation type="unfinished">Downloading...</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation type="unfinished">Syncing %1 files</translation>
    </message>
    <message>
        <source>Folders to sync</source>
        <translation type="unfinished">Folders to sync</translation>
    </message>
    <message>
        <source>Advanced Settings</source>
        <translation type="unfinished">Advanced Settings</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation type="unfinished">Maximum file size:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation type="unfinished">File name:</translation>
    </message>
    <message>
        <source>Blocked Files</source>
        <translation type="unfinished">Blocked Files</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation type="unfinished">A database error occurred.</translation>
    </message>
    <message>
        <source>Files to sync</source>
        <translation type="unfinished">Files to sync</translation>
    </message>
    <message>
        <source>Blocked file list:</source>
        <translation type="unfinished">Blocked file list:</translation>
    </message>
    <message>
        <source>Folders removed from the sync list will be deleted from this computer. Continue?</source>
        <translation type="unfinished">Folders removed from the sync list will be deleted from this computer. Continue?</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <translation type="unfinished">Merge mode</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation type="unfinished">Loading...</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation type="unfinished">Sync mode</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished">Paused</translation>
    </message>
    <message>
        <source>The folder is a mount point and cannot be synchronized.</source>
        <translation type="unfinished">The folder is a mount point and cannot be synchronized.</translation>
    </message>
    <message>
        <source>The download was aborted.</source>
        <translation type="unfinished">The download was aborted.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation type="unfinished">Start Now</translation>
    </message>
    <message>
        <source>The local disk is full. Synchronization has stopped.</source>
        <translation type="unfinished">The local disk is full. Synchronization has stopped.</translation>
    </message>
    <message>
        <source>The storage quota is full. Synchronization has stopped.</source>
        <translation type="unfinished">The storage quota is full. Synchronization has stopped.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation type="unfinished">Connecting...</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation type="unfinished">Manage</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation type="unfinished">Permission denied</translation>
    </message>
    <message>
        <source>User information is unavailable.</source>
        <translation type="unfinished">User information is unavailable.</translation>
    </message>
    <message>
        <source>The connection is abnormal.</source>
        <translation type="unfinished">The connection is abnormal.</translation>
    </message>
    <message>
        <source>Computer Name</source>
        <translation type="unfinished">Computer Name</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <translation type="unfinished">Connection unstable</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation type="unfinished">Downloading %1...</translation>
    </message>
    <message>
        <source>Get Sharing Link</source>
        <translation type="unfinished">Get Sharing Link</translation>
    </message>
    <message>
        <source>Linking to the server...</source>
        <translation type="unfinished">Linking to the server...</translation>
    </message>
    <message>
        <source>Trying to sync...</source>
        <translation type="unfinished">Trying to sync...</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation type="unfinished">Viewer</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation type="unfinished">SSL Certificate Warning</translation>
    </message>
    <message>
        <source>Pause Connection</source>
        <translation type="unfinished">Pause Connection</translation>
    </message>
    <message>
        <source>Resume Connection</source>
        <translation type="unfinished">Resume Connection</translation>
    </message>
    <message>
        <source>Unlink Connection</source>
        <translation type="unfinished">Unlink Connection</translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished">Status</translation>
    </message>
    <message>
        <source>Blocked Files...</source>
        <translation type="unfinished">Blocked Files...</translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished">Action</translation>
    </message>
    <message>
        <source>File name</source>
        <translation type="unfinished">File name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished">Size</translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished">No.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished">Disabled</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished">Enabled</translation>
    </message>
    <message>
        <source>Disabling sharing removes all sharing links of this folder. Continue?</source>
        <translation type="unfinished">Disabling sharing removes all sharing links of this folder. Continue?</translation>
    </message>
    <message>
        <source>Enable SSL</source>
        <translation type="unfinished">Enable SSL</translation>
    </message>
    <message>
        <source>Select the folder on this computer that you want to sync.</source>
        <translation type="unfinished">Select the folder on this computer that you want to sync.</translation>
    </message>
    <message>
        <source>has been shared.</source>
        <translation type="unfinished">has been shared.</translation>
    </message>
    <message>
        <source>Download completed.</source>
        <translation type="unfinished">Download completed.</translation>
    </message>
    <message>
        <source>Download failed.</source>
        <translation type="unfinished">Download failed.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation type="unfinished">Overview</translation>
    </message>
    <message>
        <source>The server has changed. Please relink the connection.</source>
        <translation type="unfinished">The server has changed. Please relink the connection.</translation>
    </message>
    <message>
        <source>Synchronization is paused.</source>
        <translation type="unfinished">Synchronization is paused.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server could not be verified.</source>
        <translation type="unfinished">The SSL certificate of the server could not be verified.</translation>
    </message>
    <message>
        <source>The client version is not supported by the server.</source>
        <translation type="unfinished">The client version is not supported by the server.</translation>
    </message>
    <message>
        <source>Syncing files...</source>
        <translation type="unfinished">Syncing files...</translation>
    </message>
    <message>
        <source>Backup destination conflicts with an existing sync folder.</source>
        <translation type="unfinished">Backup destination conflicts with an existing sync folder.</translation>
    </message>
    <message>
        <source>This connection has been inactive for a long time.</source>
        <translation type="unfinished">This connection has been inactive for a long time.</translation>
    </message>
    <message>
        <source>Inactive Connection</source>
        <translation type="unfinished">Inactive Connection</translation>
    </message>
    <message>
        <source>Unable to download this file.</source>
        <translation type="unfinished">Unable to download this file.</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <translation type="unfinished">Unable to list the versions of this file.</translation>
    </message>
    <message>
        <source>Unable to create a sharing link for this item.</source>
        <translation type="unfinished">Unable to create a sharing link for this item.</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation type="unfinished">Standby</translation>
    </message>
    <message>
        <source>Double-click the icon to open the client.</source>
        <translation type="unfinished">Double-click the icon to open the client.</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <translation type="unfinished">Indexing the folder...</translation>
    </message>
    <message>
        <source>Welcome to the %1 Setup Wizard</source>
        <translation type="unfinished">Welcome to the %1 Setup Wizard</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation type="unfinished">Initialization failed.</translation>
    </message>
    <message>
        <source>Ready to Install %1</source>
        <translation type="unfinished">Ready to Install %1</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup.</source>
        <translation type="unfinished">The following applications are using files that need to be updated by this setup.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished">Print</translation>
    </message>
    <message>
        <source>Do not close applications. A reboot will be required.</source>
        <translation type="unfinished">Do not close applications. A reboot will be required.</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts and registry entries.</source>
        <translation type="unfinished">Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts and registry entries.</translation>
    </message>
    <message>
        <source>Launch %1 now</source>
        <translation type="unfinished">Launch %1 now</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation type="unfinished">Click the Finish button to exit the Setup Wizard.</translation>
    </message>
    <message>
        <source>%1 has been installed successfully.</source>
        <translation type="unfinished">%1 has been installed successfully.</translation>
    </message>
    <message>
        <source>%1 Setup</source>
        <translation type="unfinished">%1 Setup</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation type="unfinished">Change, repair, or remove installation</translation>
    </message>
    <message>
        <source>Completed the %1 Setup Wizard</source>
        <translation type="unfinished">Completed the %1 Setup Wizard</translation>
    </message>
    <message>
        <source>The sync folder is not mounted.</source>
        <translation type="unfinished">The sync folder is not mounted.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <translation type="unfinished">Repair the installation</translation>
    </message>
    <message>
        <source>The version number cannot be zero.</source>
        <translation type="unfinished">The version number cannot be zero.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished">Remove</translation>
    </message>
    <message>
        <source>Browse Previous Versions</source>
        <translation type="unfinished">Browse Previous Versions</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation type="unfinished">Select the operation you wish to perform.</translation>
    </message>
    <message>
        <source>Download only</source>
        <translation type="unfinished">Download only</translation>
    </message>
    <message>
        <source>%1 Setup Wizard ended prematurely because of an error. Your system has not been modified.</source>
        <translation type="unfinished">%1 Setup Wizard ended prematurely because of an error. Your system has not been modified.</translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished">No</translation>
    </message>
    <message>
        <source>Details about this item.</source>
        <translation type="unfinished">Details about this item.</translation>
    </message>
    <message>
        <source>Welcome to the %1 Setup Wizard (maintenance)</source>
        <translation type="unfinished">Welcome to the %1 Setup Wizard (maintenance)</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished">Status:</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation type="unfinished">Ignore</translation>
    </message>
    <message>
        <source>Install</source>
        <translation type="unfinished">Install</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to change the way %1 features are installed, repair, or remove it.</source>
        <translation type="unfinished">The Setup Wizard allows you to change the way %1 features are installed, repair, or remove it.</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <translation type="unfinished">Remove the installation</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation type="unfinished">Read-only</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <translation type="unfinished">Please read the following license agreement carefully.</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation type="unfinished">End-User License Agreement</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation type="unfinished">Tray</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation type="unfinished">Repair</translation>
    </message>
    <message>
        <source>The local sync folder is missing.</source>
        <translation type="unfinished">The local sync folder is missing.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished">Retry</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished">Yes</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the %1 installation?</source>
        <translation type="unfinished">Are you sure you want to cancel the %1 installation?</translation>
    </message>
    <message>
        <source>Cancel Installation</source>
        <translation type="unfinished">Cancel Installation</translation>
    </message>
    <message>
        <source>Click Next to accept the license agreement and continue.</source>
        <translation type="unfinished">Click Next to accept the license agreement and continue.</translation>
    </message>
    <message>
        <source>To try again later, run the installation again.</source>
        <translation type="unfinished">To try again later, run the installation again.</translation>
    </message>
    <message>
        <source>%1 Setup Error</source>
        <translation type="unfinished">%1 Setup Error</translation>
    </message>
    <message>
        <source>Close the applications and attempt to install them</source>
        <translation type="unfinished">Close the applications and attempt to install them</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation type="unfinished">Some files that need to be updated are currently in use.</translation>
    </message>
    <message>
        <source>Close these applications and click Retry, or click Ignore to continue.</source>
        <translation type="unfinished">Close these applications and click Retry, or click Ignore to continue.</translation>
    </message>
    <message>
        <source>Setup can close and try to restart them automatically.</source>
        <translation type="unfinished">Setup can close and try to restart them automatically.</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation type="unfinished">Files in Use</translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished">Change</translation>
    </message>
    <message>
        <source>Lets you change the way features are installed.</source>
        <translation type="unfinished">Lets you change the way features are installed.</translation>
    </message>
    <message>
        <source>Changing the installation is not available for this product.</source>
        <translation type="unfinished">Changing the installation is not available for this product.</translation>
    </message>
    <message>
        <source>Change the installation</source>
        <translation type="unfinished">Change the installation</translation>
    </message>
    <message>
        <source>Choose how to maintain %1 on this computer.</source>
        <translation type="unfinished">Choose how to maintain %1 on this computer.</translation>
    </message>
    <message>
        <source>Removes %1 from your computer.</source>
        <translation type="unfinished">Removes %1 from your computer.</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs %1.</source>
        <translation type="unfinished">Please wait while the Setup Wizard installs %1.</translation>
    </message>
    <message>
        <source>The program features you selected are being installed.</source>
        <translation type="unfinished">The program features you selected are being installed.</translation>
    </message>
    <message>
        <source>This may take several minutes.</source>
        <translation type="unfinished">This may take several minutes.</translation>
    </message>
    <message>
        <source>Installing %1</source>
        <translation type="unfinished">Installing %1</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to begin the installation.</source>
        <translation type="unfinished">The Setup Wizard is ready to begin the installation.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your settings.</source>
        <translation type="unfinished">Click Install to begin the installation. Click Back to review or change any of your settings.</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your system.</source>
        <translation type="unfinished">You have chosen to remove the program from your system.</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to remove %1.</source>
        <translation type="unfinished">The Setup Wizard is ready to remove %1.</translation>
    </message>
    <message>
        <source>Click Remove to remove %1 from your computer. After removal, this program will no longer be available.</source>
        <translation type="unfinished">Click Remove to remove %1 from your computer. After removal, this program will no longer be available.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation type="unfinished">Remove %1</translation>
    </message>
    <message>
        <source>The Setup Wizard is ready to repair %1.</source>
        <translation type="unfinished">The Setup Wizard is ready to repair %1.</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of %1.</source>
        <translation type="unfinished">Click Repair to repair the installation of %1.</translation>
    </message>
    <message>
        <source>Repairing fixes missing and corrupt files, shortcuts and registry entries.</source>
        <translation type="unfinished">Repairing fixes missing and corrupt files, shortcuts and registry entries.</translation>
    </message>
    <message>
        <source>Repair %1</source>
        <translation type="unfinished">Repair %1</translation>
    </message>
    <message>
        <source>%1 Setup Wizard was interrupted.</source>
        <translation type="unfinished">%1 Setup Wizard was interrupted.</translation>
    </message>
    <message>
        <source>Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation type="unfinished">Your system has not been modified. To install this program at a later time, please run the installation again.</translation>
    </message>
    <message>
        <source>Setup Interrupted</source>
        <translation type="unfinished">Setup Interrupted</translation>
    </message>
    <message>
        <source>The Setup Wizard will install %1 on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation type="unfinished">The Setup Wizard will install %1 on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</translation>
    </message>
    <message>
        <source>Repair or remove %1.</source>
        <translation type="unfinished">Repair or remove %1.</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <translation type="unfinished">Setup has finished.</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <translation type="unfinished">Setup was cancelled.</translation>
    </message>
    <message>
        <source>Download History</source>
        <translation type="unfinished">Download History</translation>
    </message>
    <message>
        <source>Link to a New Server</source>
        <translation type="unfinished">Link to a New Server</translation>
    </message>
    <message>
        <source>Setup could not be completed.</source>
        <translation type="unfinished">Setup could not be completed.</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation type="unfinished">Sharing enabled</translation>
    </message>
    <message>
        <source>The Setup Wizard will guide you through the installation.</source>
        <translation type="unfinished">The Setup Wizard will guide you through the installation.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished">Pause</translation>
    </message>
    <message>
        <source>I accept the terms in the license agreement</source>
        <translation type="unfinished">I accept the terms in the license agreement</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished">Resume</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished">Reset</translation>
    </message>
    <message>
        <source>Select folders to sync</source>
        <translation type="unfinished">Select folders to sync</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <translation type="unfinished">Your files, everywhere.</translation>
    </message>
    <message>
        <source>File sharing has been disabled for your account.</source>
        <translation type="unfinished">File sharing has been disabled for your account.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this sync task? Files already synced stay on this computer.</source>
        <translation type="unfinished">Are you sure you want to unlink this sync task? Files already synced stay on this computer.</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation type="unfinished">Open Containing Folder</translation>
    </message>
    <message>
        <source>Unable to get the file link.</source>
        <translation type="unfinished">Unable to get the file link.</translation>
    </message>
    <message>
        <source>The server has changed.</source>
        <translation type="unfinished">The server has changed.</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation type="unfinished">The shared folder is not mounted.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <translation type="unfinished">The remote folder is not mounted.</translation>
    </message>
    <message>
        <source>Administrator privileges are required to install this program. Continue anyway?</source>
        <translation type="unfinished">Administrator privileges are required to install this program. Continue anyway?</translation>
    </message>
    <message>
        <source>Sync and share your files across devices.</source>
        <translation type="unfinished">Sync and share your files across devices.</translation>
    </message>
    <message>
        <source>File sharing is not available through FarReach.</source>
        <translation type="unfinished">File sharing is not available through FarReach.</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation type="unfinished">Yesterday</translation>
    </message>
    <message>
        <source>Choose how you want to set up the client.</source>
        <translation type="unfinished">Choose how you want to set up the client.</translation>
    </message>
    <message>
        <source>Quick Setup</source>
        <translation type="unfinished">Quick Setup</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation type="unfinished">Got it</translation>
    </message>
    <message>
        <source>You do not have permission, or the item has been deleted.</source>
        <translation type="unfinished">You do not have permission, or the item has been deleted.</translation>
    </message>
    <message>
        <source>Right-click a file to share it or browse its previous versions.</source>
        <translation type="unfinished">Right-click a file to share it or browse its previous versions.</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation type="unfinished">Date range</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <translation type="unfinished">Do not sync this folder</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <translation type="unfinished">%1 hours ago</translation>
    </message>
    <message>
        <source>Create a new folder on this computer to sync with the server.</source>
        <translation type="unfinished">Create a new folder on this computer to sync with the server.</translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished">May</translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished">From</translation>
    </message>
    <message>
        <source>Sync Task Already Exists</source>
        <translation type="unfinished">Sync Task Already Exists</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished">Rename</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation type="unfinished">Preparing to sync...</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation type="unfinished">%1 days ago</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation type="unfinished">Just now</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <translation type="unfinished">%1 minutes ago</translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished">File</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation type="unfinished">%1 items</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation type="unfinished">Last month</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation type="unfinished">Keyword</translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished">To</translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished">Type</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation type="unfinished">Last week</translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished">April</translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished">August</translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished">Search</translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished">October</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <translation type="unfinished">Resume syncing this folder</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <translation type="unfinished">Do not sync these folders</translation>
    </message>
    <message>
        <source>No data</source>
        <translation type="unfinished">No data</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <translation type="unfinished">Resume syncing these folders</translation>
    </message>
    <message>
        <source>Send to</source>
        <translation type="unfinished">Send to</translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished">November</translation>
    </message>
    <message>
        <source>Currently syncing</source>
        <translation type="unfinished">Currently syncing</translation>
    </message>
    <message>
        <source>day</source>
        <translation type="unfinished">day</translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished">September</translation>
    </message>
    <message>
        <source>All events</source>
        <translation type="unfinished">All events</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation type="unfinished">Customize</translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished">Date</translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished">March</translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished">December</translation>
    </message>
    <message>
        <source>File type</source>
        <translation type="unfinished">File type</translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished">February</translation>
    </message>
    <message>
        <source>January</source>
        <translation type="unfinished">January</translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished">July</translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished">June</translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished">Today</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation type="unfinished">Advanced Setup</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <translation type="unfinished">Do not show this message again</translation>
    </message>
    <message>
        <source>Sync your home folder with the default settings.</source>
        <translation type="unfinished">Sync your home folder with the default settings.</translation>
    </message>
    <message>
        <source>Your files will be synchronized in the background.</source>
        <translation type="unfinished">Your files will be synchronized in the background.</translation>
    </message>
    <message>
        <source>Setup Complete</source>
        <translation type="unfinished">Setup Complete</translation>
    </message>
    <message>
        <source>Files you put in the sync folder are synced to all your devices.</source>
        <translation type="unfinished">Files you put in the sync folder are synced to all your devices.</translation>
    </message>
    <message>
        <source>Use the tray icon to check the sync status at any time.</source>
        <translation type="unfinished">Use the tray icon to check the sync status at any time.</translation>
    </message>
    <message>
        <source>Setup Mode</source>
        <translation type="unfinished">Setup Mode</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation type="unfinished">Not needed</translation>
    </message>
    <message>
        <source>Sync Folder</source>
        <translation type="unfinished">Sync Folder</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation type="unfinished">Tray Icon</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation type="unfinished">Search for servers on the local network</translation>
    </message>
    <message>
        <source>Use FarReach</source>
        <translation type="unfinished">Use FarReach</translation>
    </message>
    <message>
        <source>Status Information</source>
        <translation type="unfinished">Status Information</translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished">Password</translation>
    </message>
    <message>
        <source>User name</source>
        <translation type="unfinished">User name</translation>
    </message>
    <message>
        <source>Update this file</source>
        <translation type="unfinished">Update this file</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <translation type="unfinished">No connection is available for this file.</translation>
    </message>
    <message>
        <source>Open the Client</source>
        <translation type="unfinished">Open the Client</translation>
    </message>
    <message>
        <source>Sync with a folder on a new server</source>
        <translation type="unfinished">Sync with a folder on a new server</translation>
    </message>
    <message>
        <source>Create a New Sync Folder</source>
        <translation type="unfinished">Create a New Sync Folder</translation>
    </message>
    <message>
        <source>Sync with a folder in a new session</source>
        <translation type="unfinished">Sync with a folder in a new session</translation>
    </message>
    <message>
        <source>Choose the folders and options to sync yourself.</source>
        <translation type="unfinished">Choose the folders and options to sync yourself.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished">Done</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation type="unfinished">File size limit</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation type="unfinished">Find servers on the local network</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Files will be downloaded only.</source>
        <translation type="unfinished">The selected folder is read-only. Files will be downloaded only.</translation>
    </message>
    <message>
        <source>The selected folder cannot be used as a sync folder.</source>
        <translation type="unfinished">The selected folder cannot be used as a sync folder.</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <translation type="unfinished">More tutorials</translation>
    </message>
    <message>
        <source>The selected folder is already used by another sync task.</source>
        <translation type="unfinished">The selected folder is already used by another sync task.</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation type="unfinished">Open File</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished">Open Folder</translation>
    </message>
    <message>
        <source>Create a Larkspan folder</source>
        <translation type="unfinished">Create a Larkspan folder</translation>
    </message>
    <message>
        <source>A sync task for this folder already exists.</source>
        <translation type="unfinished">A sync task for this folder already exists.</translation>
    </message>
    <message>
        <source>Please choose another folder.</source>
        <translation type="unfinished">Please choose another folder.</translation>
    </message>
    <message>
        <source>The client is offline.</source>
        <translation type="unfinished">The client is offline.</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation type="unfinished">Home folder</translation>
    </message>
    <message>
        <source>Sharing links are not available while the home service is disabled.</source>
        <translation type="unfinished">Sharing links are not available while the home service is disabled.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation type="unfinished">The SSL certificate of the server has changed.</translation>
    </message>
    <message>
        <source>Set Sync Folder</source>
        <translation type="unfinished">Set Sync Folder</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to the server.</source>
        <translation type="unfinished">Your IP address is not allowed to connect to the server.</translation>
    </message>
    <message>
        <source>When the same file has been changed on both sides:</source>
        <translation type="unfinished">When the same file has been changed on both sides:</translation>
    </message>
    <message>
        <source>The sync direction does not match the existing task.</source>
        <translation type="unfinished">The sync direction does not match the existing task.</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation type="unfinished">Last page</translation>
    </message>
    <message>
        <source>First page</source>
        <translation type="unfinished">First page</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <translation type="unfinished">Previous %1 pages</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <translation type="unfinished">Next %1 pages</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation type="unfinished">Unlinking...</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation type="unfinished">Too many failed attempts. Please try again later.</translation>
    </message>
    <message>
        <source>Locked file</source>
        <translation type="unfinished">Locked file</translation>
    </message>
    <message>
        <source>The sync folder cannot be checked because of a network error.</source>
        <translation type="unfinished">The sync folder cannot be checked because of a network error.</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <translation type="unfinished">The shared folder no longer exists.</translation>
    </message>
    <message>
        <source>Choose the Sync Folder</source>
        <translation type="unfinished">Choose the Sync Folder</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <translation type="unfinished">Keep the most recently modified file</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation type="unfinished">Two-way sync</translation>
    </message>
    <message>
        <source>Choose the folder on the server and the folder on this computer to sync.</source>
        <translation type="unfinished">Choose the folder on the server and the folder on this computer to sync.</translation>
    </message>
    <message>
        <source>Shared folder</source>
        <translation type="unfinished">Shared folder</translation>
    </message>
    <message>
        <source>%1 requested access to the Office template %2.</source>
        <translation type="unfinished">%1 requested access to the Office template %2.</translation>
    </message>
    <message>
        <source>requested access to an Office template</source>
        <translation type="unfinished">requested access to an Office template</translation>
    </message>
    <message>
        <source>The SSL certificate changed while checking the sync folder.</source>
        <translation type="unfinished">The SSL certificate changed while checking the sync folder.</translation>
    </message>
    <message>
        <source>A one-time password is required.</source>
        <translation type="unfinished">A one-time password is required.</translation>
    </message>
    <message>
        <source>The one-time password is invalid.</source>
        <translation type="unfinished">The one-time password is invalid.</translation>
    </message>
    <message>
        <source>Enter the one-time password:</source>
        <translation type="unfinished">Enter the one-time password:</translation>
    </message>
    <message>
        <source>hour</source>
        <translation type="unfinished">hour</translation>
    </message>
    <message>
        <source>The storage quota is full. The sync folder cannot be used.</source>
        <translation type="unfinished">The storage quota is full. The sync folder cannot be used.</translation>
    </message>
    <message>
        <source>The SSL certificate could not be verified. The sync folder cannot be used.</source>
        <translation type="unfinished">The SSL certificate could not be verified. The sync folder cannot be used.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the sync folder.</source>
        <translation type="unfinished">A system error occurred while checking the sync folder.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation type="unfinished">Sync</translation>
    </message>
    <message>
        <source>Overwrite with the version on this computer</source>
        <translation type="unfinished">Overwrite with the version on this computer</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflict</source>
        <translation type="unfinished">Keep both files and rename the conflict</translation>
    </message>
    <message>
        <source>Access request for an Office template</source>
        <translation type="unfinished">Access request for an Office template</translation>
    </message>
    <message>
        <source>Existing files in the folder will be merged with the server.</source>
        <translation type="unfinished">Existing files in the folder will be merged with the server.</translation>
    </message>
    <message>
        <source>Enable advanced sharing</source>
        <translation type="unfinished">Enable advanced sharing</translation>
    </message>
    <message>
        <source>Are you sure you want to stop the backup?</source>
        <translation type="unfinished">Are you sure you want to stop the backup?</translation>
    </message>
    <message>
        <source>Connection list</source>
        <translation type="unfinished">Connection list</translation>
    </message>
    <message>
        <source>Connected server</source>
        <translation type="unfinished">Connected server</translation>
    </message>
    <message>
        <source>Copy sharing link</source>
        <translation type="unfinished">Copy sharing link</translation>
    </message>
    <message>
        <source>Delete permission</source>
        <translation type="unfinished">Delete permission</translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished">Group</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <translation type="unfinished">Open the web portal</translation>
    </message>
    <message>
        <source>Local computer</source>
        <translation type="unfinished">Local computer</translation>
    </message>
    <message>
        <source>Remote server</source>
        <translation type="unfinished">Remote server</translation>
    </message>
    <message>
        <source>Items that others shared with you</source>
        <translation type="unfinished">Items that others shared with you</translation>
    </message>
    <message>
        <source>Recently changed files</source>
        <translation type="unfinished">Recently changed files</translation>
    </message>
    <message>
        <source>Tutorial step 2</source>
        <translation type="unfinished">Tutorial step 2</translation>
    </message>
    <message>
        <source>Tutorial step 3</source>
        <translation type="unfinished">Tutorial step 3</translation>
    </message>
    <message>
        <source>Tutorial step 4</source>
        <translation type="unfinished">Tutorial step 4</translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished">User</translation>
    </message>
    <message>
        <source>Share permission</source>
        <translation type="unfinished">Share permission</translation>
    </message>
    <message>
        <source>Connect to your server to get started.</source>
        <translation type="unfinished">Connect to your server to get started.</translation>
    </message>
    <message>
        <source>days</source>
        <translation type="unfinished">days</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation type="unfinished">Open Sync Folder</translation>
    </message>
    <message>
        <source>Shared folder missing</source>
        <translation type="unfinished">Shared folder missing</translation>
    </message>
    <message>
        <source>Run on every</source>
        <translation type="unfinished">Run on every</translation>
    </message>
    <message>
        <source>Keep your files in sync between your computer and your server.</source>
        <translation type="unfinished">Keep your files in sync between your computer and your server.</translation>
    </message>
    <message>
        <source>Two-step verification is enforced for your account. Please enable it on the web portal first.</source>
        <translation type="unfinished">Two-step verification is enforced for your account. Please enable it on the web portal first.</translation>
    </message>
    <message>
        <source>The storage quota of the shared folder is full.</source>
        <translation type="unfinished">The storage quota of the shared folder is full.</translation>
    </message>
    <message>
        <source>The form contains invalid values.</source>
        <translation type="unfinished">The form contains invalid values.</translation>
    </message>
    <message>
        <source>Sync Direction</source>
        <translation type="unfinished">Sync Direction</translation>
    </message>
    <message>
        <source>The connection to the server is abnormal. Please check the network and the server.</source>
        <translation type="unfinished">The connection to the server is abnormal. Please check the network and the server.</translation>
    </message>
    <message>
        <source>Choose the shared folder to sync on the server.</source>
        <translation type="unfinished">Choose the shared folder to sync on the server.</translation>
    </message>
    <message>
        <source>Access to the selected folder is denied.</source>
        <translation type="unfinished">Access to the selected folder is denied.</translation>
    </message>
    <message>
        <source>Your account has been disabled.</source>
        <translation type="unfinished">Your account has been disabled.</translation>
    </message>
    <message>
        <source>Proxy server:</source>
        <translation type="unfinished">Proxy server:</translation>
    </message>
    <message>
        <source>Expires after</source>
        <translation type="unfinished">Expires after</translation>
    </message>
    <message>
        <source>No options available</source>
        <translation type="unfinished">No options available</translation>
    </message>
    <message>
        <source>First run time</source>
        <translation type="unfinished">First run time</translation>
    </message>
    <message>
        <source>Authentication failed. Please check the user name and password.</source>
        <translation type="unfinished">Authentication failed. Please check the user name and password.</translation>
    </message>
    <message>
        <source>Use * as a wildcard, for example *.tmp</source>
        <translation type="unfinished">Use * as a wildcard, for example *.tmp</translation>
    </message>
    <message>
        <source>One-way download</source>
        <translation type="unfinished">One-way download</translation>
    </message>
    <message>
        <source>A shared folder with the same name already exists.</source>
        <translation type="unfinished">A shared folder with the same name already exists.</translation>
    </message>
    <message>
        <source>Apply to all subfolders and files</source>
        <translation type="unfinished">Apply to all subfolders and files</translation>
    </message>
    <message>
        <source>Expire at</source>
        <translation type="unfinished">Expire at</translation>
    </message>
    <message>
        <source>This field cannot be blank.</source>
        <translation type="unfinished">This field cannot be blank.</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <translation type="unfinished">Restrict access</translation>
    </message>
    <message>
        <source>Enable the context menu in the file manager</source>
        <translation type="unfinished">Enable the context menu in the file manager</translation>
    </message>
    <message>
        <source>The user home service is disabled.</source>
        <translation type="unfinished">The user home service is disabled.</translation>
    </message>
    <message>
        <source>The client could not be upgraded.</source>
        <translation type="unfinished">The client could not be upgraded.</translation>
    </message>
    <message>
        <source>Apply and Copy Link</source>
        <translation type="unfinished">Apply and Copy Link</translation>
    </message>
    <message>
        <source>Expire after a number of accesses</source>
        <translation type="unfinished">Expire after a number of accesses</translation>
    </message>
    <message>
        <source>Valid from</source>
        <translation type="unfinished">Valid from</translation>
    </message>
    <message>
        <source>A newer client version is required. Upgrade now?</source>
        <translation type="unfinished">A newer client version is required. Upgrade now?</translation>
    </message>
    <message>
        <source>The remote folder is not mounted. Please mount it on the server first.</source>
        <translation type="unfinished">The remote folder is not mounted. Please mount it on the server first.</translation>
    </message>
    <message>
        <source>Information button</source>
        <translation type="unfinished">Information button</translation>
    </message>
    <message>
        <source>Add file name button</source>
        <translation type="unfinished">Add file name button</translation>
    </message>
    <message>
        <source>Local destination</source>
        <translation type="unfinished">Local destination</translation>
    </message>
    <message>
        <source>Language button</source>
        <translation type="unfinished">Language button</translation>
    </message>
    <message>
        <source>Version download description</source>
        <translation type="unfinished">Version download description</translation>
    </message>
    <message>
        <source>Customize duration</source>
        <translation type="unfinished">Customize duration</translation>
    </message>
    <message>
        <source>month</source>
        <translation type="unfinished">month</translation>
    </message>
    <message>
        <source>Sync folder pair</source>
        <translation type="unfinished">Sync folder pair</translation>
    </message>
    <message>
        <source>Refresh sync log</source>
        <translation type="unfinished">Refresh sync log</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation type="unfinished">Previous month</translation>
    </message>
    <message>
        <source>Filter sync log</source>
        <translation type="unfinished">Filter sync log</translation>
    </message>
    <message>
        <source>Add folder button</source>
        <translation type="unfinished">Add folder button</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation type="unfinished">Calendar</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation type="unfinished">Next month</translation>
    </message>
    <message>
        <source>Change sync folder button</source>
        <translation type="unfinished">Change sync folder button</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <translation type="unfinished">Sync log category</translation>
    </message>
    <message>
        <source>Sync task session description</source>
        <translation type="unfinished">Sync task session description</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <translation type="unfinished">Remote destination</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished">Settings</translation>
    </message>
    <message>
        <source>Close tutorial</source>
        <translation type="unfinished">Close tutorial</translation>
    </message>
    <message>
        <source>Abort version download</source>
        <translation type="unfinished">Abort version download</translation>
    </message>
    <message>
        <source>Delete downloaded version</source>
        <translation type="unfinished">Delete downloaded version</translation>
    </message>
    <message>
        <source>Your password has expired. Please change it on the web portal.</source>
        <translation type="unfinished">Your password has expired. Please change it on the web portal.</translation>
    </message>
    <message>
        <source>Transfer queue</source>
        <translation type="unfinished">Transfer queue</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <translation type="unfinished">Renamed on this computer</translation>
    </message>
    <message>
        <source>Renamed on the server</source>
        <translation type="unfinished">Renamed on the server</translation>
    </message>
    <message>
        <source>The text exceeds the maximum length of %1 characters.</source>
        <translation type="unfinished">The text exceeds the maximum length of %1 characters.</translation>
    </message>
    <message>
        <source>The user differs from the one of the existing sync tasks.</source>
        <translation type="unfinished">The user differs from the one of the existing sync tasks.</translation>
    </message>
    <message>
        <source>The tunnel service is disabled.</source>
        <translation type="unfinished">The tunnel service is disabled.</translation>
    </message>
    <message>
        <source>The file could not be downloaded. Please check the network connection and try again.</source>
        <translation type="unfinished">The file could not be downloaded. Please check the network connection and try again.</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation type="unfinished">Notifications</translation>
    </message>
    <message>
        <source>commented on %1</source>
        <translation type="unfinished">commented on %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished">Now</translation>
    </message>
    <message>
        <source>Open in Web Portal</source>
        <translation type="unfinished">Open in Web Portal</translation>
    </message>
    <message>
        <source>Set Up</source>
        <translation type="unfinished">Set Up</translation>
    </message>
    <message>
        <source>Server Information</source>
        <translation type="unfinished">Server Information</translation>
    </message>
    <message>
        <source>This folder is read-only in Velmora Drive.</source>
        <translation type="unfinished">This folder is read-only in Velmora Drive.</translation>
    </message>
    <message>
        <source>Setup is ready to install Velmora Drive on your computer.</source>
        <translation type="unfinished">Setup is ready to install Velmora Drive on your computer.</translation>
    </message>
    <message>
        <source>Velmora Drive is now paired with your server.</source>
        <translation type="unfinished">Velmora Drive is now paired with your server.</translation>
    </message>
    <message>
        <source>Setup is ready to install the client on your computer.</source>
        <translation type="unfinished">Setup is ready to install the client on your computer.</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>%1 已就緒。</translation>
    </message>
    <message>
        <source>Show the Velmora Drive tutorial</source>
        <translation type="unfinished">Show the Velmora Drive tutorial</translation>
    </message>
    <message>
        <source>The source folder is read-only.</source>
        <translation type="unfinished">The source folder is read-only.</translation>
    </message>
    <message>
        <source>Velmora Drive is running.</source>
        <translation type="unfinished">Velmora Drive is running.</translation>
    </message>
    <message>
        <source>Sign in to the server to start using Velmora Drive.</source>
        <translation type="unfinished">Sign in to the server to start using Velmora Drive.</translation>
    </message>
    <message>
        <source>Velmora Drive could not be upgraded.</source>
        <translation type="unfinished">Velmora Drive could not be upgraded.</translation>
    </message>
    <message>
        <source>A newer version of Velmora Drive is already installed.</source>
        <translation type="unfinished">A newer version of Velmora Drive is already installed.</translation>
    </message>
    <message>
        <source>Create a new sync task</source>
        <translation type="unfinished">Create a new sync task</translation>
    </message>
    <message>
        <source>This folder is already used by another cloud sync application for Velmora Drive.</source>
        <translation type="unfinished">This folder is already used by another cloud sync application for Velmora Drive.</translation>
    </message>
    <message>
        <source>Your changes will be lost. Continue?</source>
        <translation type="unfinished">Your changes will be lost. Continue?</translation>
    </message>
    <message>
        <source>Velmora Drive tutorial</source>
        <translation type="unfinished">Velmora Drive tutorial</translation>
    </message>
    <message>
        <source>Automatic connection to Velmora Drive failed: invalid ID.</source>
        <translation type="unfinished">Automatic connection to Velmora Drive failed: invalid ID.</translation>
    </message>
    <message>
        <source>Choose the Velmora Drive folder to sync on the server.</source>
        <translation type="unfinished">Choose the Velmora Drive folder to sync on the server.</translation>
    </message>
    <message>
        <source>Start Velmora Drive at login</source>
        <translation type="unfinished">Start Velmora Drive at login</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>%1 正在初始化...</translation>
    </message>
    <message>
        <source>The server does not support this version of Velmora Drive.</source>
        <translation type="unfinished">The server does not support this version of Velmora Drive.</translation>
    </message>
    <message>
        <source>This version of the Velmora Drive client is no longer supported.</source>
        <translation type="unfinished">This version of the Velmora Drive client is no longer supported.</translation>
    </message>
    <message>
        <source>Velmora Drive version too old</source>
        <translation type="unfinished">Velmora Drive version too old</translation>
    </message>
    <message>
        <source>The disk is full. Velmora Drive has stopped syncing.</source>
        <translation type="unfinished">The disk is full. Velmora Drive has stopped syncing.</translation>
    </message>
    <message>
        <source>Velmora Drive encountered an error.</source>
        <translation type="unfinished">Velmora Drive encountered an error.</translation>
    </message>
    <message>
        <source>Notifications tab</source>
        <translation type="unfinished">Notifications tab</translation>
    </message>
    <message>
        <source>The folder is not empty. Velmora Drive will merge its content.</source>
        <translation type="unfinished">The folder is not empty. Velmora Drive will merge its content.</translation>
    </message>
    <message>
        <source>Download from Velmora Drive only</source>
        <translation type="unfinished">Download from Velmora Drive only</translation>
    </message>
    <message>
        <source>Velmora Drive is set up. Your files will sync in the background.</source>
        <translation type="unfinished">Velmora Drive is set up. Your files will sync in the background.</translation>
    </message>
    <message>
        <source>Tutorial step 1</source>
        <translation type="unfinished">Tutorial step 1</translation>
    </message>
    <message>
        <source>This version of Velmora Drive is already installed.</source>
        <translation type="unfinished">This version of Velmora Drive is already installed.</translation>
    </message>
    <message>
        <source>Access your Velmora Drive files from this computer.</source>
        <translation type="unfinished">Access your Velmora Drive files from this computer.</translation>
    </message>
    <message>
        <source>Almost done. Velmora Drive is connected to the server.</source>
        <translation type="unfinished">Almost done. Velmora Drive is connected to the server.</translation>
    </message>
    <message>
        <source>Almost done. Your local folder is ready.</source>
        <translation type="unfinished">Almost done. Your local folder is ready.</translation>
    </message>
    <message>
        <source>Advanced Sharing</source>
        <translation type="unfinished">Advanced Sharing</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished">Failed</translation>
    </message>
    <message>
        <source>Create a Velmora Drive folder</source>
        <translation type="unfinished">Create a Velmora Drive folder</translation>
    </message>
    <message>
        <source>This version of Larkspan is already installed.</source>
        <translation type="unfinished">This version of Larkspan is already installed.</translation>
    </message>
    <message>
        <source>A newer version of Larkspan is already installed.</source>
        <translation type="unfinished">A newer version of Larkspan is already installed.</translation>
    </message>
    <message>
        <source>Client tutorial</source>
        <translation type="unfinished">Client tutorial</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation type="unfinished">Drive</translation>
    </message>
    <message>
        <source>week</source>
        <translation type="unfinished">week</translation>
    </message>
    <message>
        <source>This folder is already used by another cloud sync application.</source>
        <translation type="unfinished">This folder is already used by another cloud sync application.</translation>
    </message>
    <message>
        <source>Automatic connection failed: invalid ID.</source>
        <translation type="unfinished">Automatic connection failed: invalid ID.</translation>
    </message>
    <message>
        <source>The server version is not supported.</source>
        <translation type="unfinished">The server version is not supported.</translation>
    </message>
    <message>
        <source>Version too old</source>
        <translation type="unfinished">Version too old</translation>
    </message>
    <message>
        <source>Show the tutorial</source>
        <translation type="unfinished">Show the tutorial</translation>
    </message>
    <message>
        <source>Start the client at login</source>
        <translation type="unfinished">Start the client at login</translation>
    </message>
    <message>
        <source>The client encountered an error.</source>
        <translation type="unfinished">The client encountered an error.</translation>
    </message>
    <message>
        <source>Finished.</source>
        <translation type="unfinished">Finished.</translation>
    </message>
    <message>
        <source>Finished. You can change the settings at any time.</source>
        <translation type="unfinished">Finished. You can change the settings at any time.</translation>
    </message>
    <message>
        <source>The folder is not empty. Its content will be merged.</source>
        <translation type="unfinished">The folder is not empty. Its content will be merged.</translation>
    </message>
    <message>
        <source>The client is running.</source>
        <translation type="unfinished">The client is running.</translation>
    </message>
    <message>
        <source>Setup is complete. Your files will sync in the background.</source>
        <translation type="unfinished">Setup is complete. Your files will sync in the background.</translation>
    </message>
    <message>
        <source>The client version is too old.</source>
        <translation type="unfinished">The client version is too old.</translation>
    </message>
    <message>
        <source>Open the Server</source>
        <translation type="unfinished">Open the Server</translation>
    </message>
    <message>
        <source>Click to update</source>
        <translation type="unfinished">Click to update</translation>
    </message>
    <message>
        <source>Update the package to use selective sync.</source>
        <translation type="unfinished">Update the package to use selective sync.</translation>
    </message>
    <message>
        <source>Clean up</source>
        <translation type="unfinished">Clean up</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation type="unfinished">Date and time</translation>
    </message>
    <message>
        <source>The local disk is full. The sync folder cannot be used.</source>
        <translation type="unfinished">The local disk is full. The sync folder cannot be used.</translation>
    </message>
    <message>
        <source>The client is now paired with your server.</source>
        <translation type="unfinished">The client is now paired with your server.</translation>
    </message>
    <message>
        <source>Choose another folder or remove the existing sync task.</source>
        <translation type="unfinished">Choose another folder or remove the existing sync task.</translation>
    </message>
    <message>
        <source>Access your files from this computer.</source>
        <translation type="unfinished">Access your files from this computer.</translation>
    </message>
    <message>
        <source>Need help? Visit the online help.</source>
        <translation type="unfinished">Need help? Visit the online help.</translation>
    </message>
    <message>
        <source>Commenter</source>
        <translation type="unfinished">Commenter</translation>
    </message>
    <message>
        <source>Can view files in apps</source>
        <translation type="unfinished">Can view files in apps</translation>
    </message>
    <message>
        <source>Can edit files in apps</source>
        <translation type="unfinished">Can edit files in apps</translation>
    </message>
    <message>
        <source>Only specific people can access</source>
        <translation type="unfinished">Only specific people can access</translation>
    </message>
    <message>
        <source>Anyone with the link can comment</source>
        <translation type="unfinished">Anyone with the link can comment</translation>
    </message>
    <message>
        <source>Anyone with the link can view</source>
        <translation type="unfinished">Anyone with the link can view</translation>
    </message>
    <message>
        <source>Can comment on files in apps</source>
        <translation type="unfinished">Can comment on files in apps</translation>
    </message>
    <message>
        <source>Anyone with the link can edit</source>
        <translation type="unfinished">Anyone with the link can edit</translation>
    </message>
    <message>
        <source>Organizer</source>
        <translation type="unfinished">Organizer</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation type="unfinished">Editor</translation>
    </message>
    <message>
        <source>Unable to open the web portal.</source>
        <translation type="unfinished">Unable to open the web portal.</translation>
    </message>
    <message>
        <source>Invite people</source>
        <translation type="unfinished">Invite people</translation>
    </message>
    <message>
        <source>No access</source>
        <translation type="unfinished">No access</translation>
    </message>
    <message>
        <source>Nothing has been shared yet.</source>
        <translation type="unfinished">Nothing has been shared yet.</translation>
    </message>
    <message>
        <source>Public sharing is disabled.</source>
        <translation type="unfinished">Public sharing is disabled.</translation>
    </message>
    <message>
        <source>Sharing is disabled. Please contact your administrator.</source>
        <translation type="unfinished">Sharing is disabled. Please contact your administrator.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished">Restore</translation>
    </message>
    <message>
        <source>Request access to the spreadsheet</source>
        <translation type="unfinished">Request access to the spreadsheet</translation>
    </message>
    <message>
        <source>Anyone who has this link will no longer be able to access the item.</source>
        <translation type="unfinished">Anyone who has this link will no longer be able to access the item.</translation>
    </message>
    <message>
        <source>Share the spreadsheet</source>
        <translation type="unfinished">Share the spreadsheet</translation>
    </message>
    <message>
        <source>Share</source>
        <translation type="unfinished">Share</translation>
    </message>
    <message>
        <source>The folder or file does not exist.</source>
        <translation type="unfinished">The folder or file does not exist.</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation type="unfinished">You do not have permission to perform this operation.</translation>
    </message>
    <message>
        <source>Weekend</source>
        <translation type="unfinished">Weekend</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation type="unfinished">Apps</translation>
    </message>
    <message>
        <source>My Drive</source>
        <translation type="unfinished">My Drive</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation type="unfinished">Restricted</translation>
    </message>
    <message>
        <source>Public</source>
        <translation type="unfinished">Public</translation>
    </message>
    <message>
        <source>Advanced sharing settings could not be saved.</source>
        <translation type="unfinished">Advanced sharing settings could not be saved.</translation>
    </message>
    <message>
        <source>Enable expiration</source>
        <translation type="unfinished">Enable expiration</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <translation type="unfinished">Users and groups</translation>
    </message>
    <message>
        <source>Show black and white icons in the menu bar</source>
        <translation type="unfinished">Show black and white icons in the menu bar</translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished">Display</translation>
    </message>
    <message>
        <source>Show the sync status of local folders</source>
        <translation type="unfinished">Show the sync status of local folders</translation>
    </message>
    <message>
        <source>mentioned you in %1</source>
        <translation type="unfinished">mentioned you in %1</translation>
    </message>
    <message>
        <source>requested access to %1</source>
        <translation type="unfinished">requested access to %1</translation>
    </message>
    <message>
        <source>Share File</source>
        <translation type="unfinished">Share File</translation>
    </message>
    <message>
        <source>shared %1 with you</source>
        <translation type="unfinished">shared %1 with you</translation>
    </message>
    <message>
        <source>Sync notifications</source>
        <translation type="unfinished">Sync notifications</translation>
    </message>
    <message>
        <source>Shared with you</source>
        <translation type="unfinished">Shared with you</translation>
    </message>
    <message>
        <source>requested access</source>
        <translation type="unfinished">requested access</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished">Comments</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <translation type="unfinished">Shared with me</translation>
    </message>
    <message>
        <source>Mentions</source>
        <translation type="unfinished">Mentions</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <translation type="unfinished">One-way upload</translation>
    </message>
    <message>
        <source>Do not remove files on the server when they are removed locally</source>
        <translation type="unfinished">Do not remove files on the server when they are removed locally</translation>
    </message>
    <message>
        <source>Later</source>
        <translation type="unfinished">Later</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation type="unfinished">Notification</translation>
    </message>
    <message>
        <source>Your files are synced on all your devices.</source>
        <translation type="unfinished">Your files are synced on all your devices.</translation>
    </message>
    <message>
        <source>Access your files from any browser through the web portal.</source>
        <translation type="unfinished">Access your files from any browser through the web portal.</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation type="unfinished">Congratulations!</translation>
    </message>
    <message>
        <source>You are ready to go.</source>
        <translation type="unfinished">You are ready to go.</translation>
    </message>
    <message>
        <source>Enable Later</source>
        <translation type="unfinished">Enable Later</translation>
    </message>
    <message>
        <source>Enable Now</source>
        <translation type="unfinished">Enable Now</translation>
    </message>
    <message>
        <source>Create a Sync Task</source>
        <translation type="unfinished">Create a Sync Task</translation>
    </message>
    <message>
        <source>General sync task</source>
        <translation type="unfinished">General sync task</translation>
    </message>
    <message>
        <source>Sync task for Shared with me</source>
        <translation type="unfinished">Sync task for Shared with me</translation>
    </message>
    <message>
        <source>Backup days</source>
        <translation type="unfinished">Backup days</translation>
    </message>
    <message>
        <source>The server does not match the one of this connection.</source>
        <translation type="unfinished">The server does not match the one of this connection.</translation>
    </message>
    <message>
        <source>Protocol error.</source>
        <translation type="unfinished">Protocol error.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation type="unfinished">The disk is full.</translation>
    </message>
    <message>
        <source>Team folder</source>
        <translation type="unfinished">Team folder</translation>
    </message>
    <message>
        <source>Upgrade failed.</source>
        <translation type="unfinished">Upgrade failed.</translation>
    </message>
    <message>
        <source>Request access to the presentation</source>
        <translation type="unfinished">Request access to the presentation</translation>
    </message>
    <message>
        <source>Share Folder</source>
        <translation type="unfinished">Share Folder</translation>
    </message>
    <message>
        <source>Request access to the folder</source>
        <translation type="unfinished">Request access to the folder</translation>
    </message>
    <message>
        <source>Request access to the file</source>
        <translation type="unfinished">Request access to the file</translation>
    </message>
    <message>
        <source>Request access to the document</source>
        <translation type="unfinished">Request access to the document</translation>
    </message>
    <message>
        <source>Share the document</source>
        <translation type="unfinished">Share the document</translation>
    </message>
    <message>
        <source>Hide removed items</source>
        <translation type="unfinished">Hide removed items</translation>
    </message>
    <message>
        <source>Share the presentation</source>
        <translation type="unfinished">Share the presentation</translation>
    </message>
    <message>
        <source>Privacy Settings</source>
        <translation type="unfinished">Privacy Settings</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation type="unfinished">Protect with a password</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation type="unfinished">Weekdays</translation>
    </message>
    <message>
        <source>has been shared with advanced settings.</source>
        <translation type="unfinished">has been shared with advanced settings.</translation>
    </message>
    <message>
        <source>Create a Shared with me folder</source>
        <translation type="unfinished">Create a Shared with me folder</translation>
    </message>
    <message>
        <source>Any type</source>
        <translation type="unfinished">Any type</translation>
    </message>
    <message>
        <source>Excluded paths</source>
        <translation type="unfinished">Excluded paths</translation>
    </message>
    <message>
        <source>No, choose another folder</source>
        <translation type="unfinished">No, choose another folder</translation>
    </message>
    <message>
        <source>Yes, download only</source>
        <translation type="unfinished">Yes, download only</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation type="unfinished">Preparing</translation>
    </message>
    <message>
        <source>Queue</source>
        <translation type="unfinished">Queue</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation type="unfinished">Waiting</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation type="unfinished">Connecting</translation>
    </message>
    <message>
        <source>Enter the address of your server and your account.</source>
        <translation type="unfinished">Enter the address of your server and your account.</translation>
    </message>
    <message>
        <source>Connect to the Server</source>
        <translation type="unfinished">Connect to the Server</translation>
    </message>
    <message>
        <source>The folder is read-only; it can only be used as a backup destination.</source>
        <translation type="unfinished">The folder is read-only; it can only be used as a backup destination.</translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished">Account</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation type="unfinished">Local folder</translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished">Server</translation>
    </message>
    <message>
        <source>Need help?</source>
        <translation type="unfinished">Need help?</translation>
    </message>
    <message>
        <source>Sign in to your server to start syncing.</source>
        <translation type="unfinished">Sign in to your server to start syncing.</translation>
    </message>
    <message>
        <source>Your files, in sync.</source>
        <translation type="unfinished">Your files, in sync.</translation>
    </message>
    <message>
        <source>Back up files as soon as they change.</source>
        <translation type="unfinished">Back up files as soon as they change.</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation type="unfinished">Filter:</translation>
    </message>
    <message>
        <source>Back up files at scheduled times.</source>
        <translation type="unfinished">Back up files at scheduled times.</translation>
    </message>
    <message>
        <source>The computer will shut down when the backup finishes. Continue?</source>
        <translation type="unfinished">The computer will shut down when the backup finishes. Continue?</translation>
    </message>
    <message>
        <source>Back Up Your Files</source>
        <translation type="unfinished">Back Up Your Files</translation>
    </message>
    <message>
        <source>Sync Your Files</source>
        <translation type="unfinished">Sync Your Files</translation>
    </message>
    <message>
        <source>Back up the files of this computer to your server.</source>
        <translation type="unfinished">Back up the files of this computer to your server.</translation>
    </message>
    <message>
        <source>Back up only when you start it.</source>
        <translation type="unfinished">Back up only when you start it.</translation>
    </message>
    <message>
        <source>Get Link</source>
        <translation type="unfinished">Get Link</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation type="unfinished">Run on</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation type="unfinished">Start time</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished">Frequency</translation>
    </message>
    <message>
        <source>Last end time</source>
        <translation type="unfinished">Last end time</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation type="unfinished">Last run time</translation>
    </message>
    <message>
        <source>Manage sharing links</source>
        <translation type="unfinished">Manage sharing links</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation type="unfinished">Open in File Manager</translation>
    </message>
    <message>
        <source>Last upload: %1</source>
        <translation type="unfinished">Last upload: %1</translation>
    </message>
    <message>
        <source>Task Settings</source>
        <translation type="unfinished">Task Settings</translation>
    </message>
    <message>
        <source>The backup will run on the next day.</source>
        <translation type="unfinished">The backup will run on the next day.</translation>
    </message>
    <message>
        <source>Unable to get the sharing information.</source>
        <translation type="unfinished">Unable to get the sharing information.</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation type="unfinished">Backup destination</translation>
    </message>
    <message>
        <source>Allow download</source>
        <translation type="unfinished">Allow download</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation type="unfinished">Backup Schedule</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation type="unfinished">Manager</translation>
    </message>
    <message>
        <source>Previewer</source>
        <translation type="unfinished">Previewer</translation>
    </message>
    <message>
        <source>Preview and comment</source>
        <translation type="unfinished">Preview and comment</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation type="unfinished">Create Backup Task</translation>
    </message>
    <message>
        <source>Files matching these rules are not synchronized.</source>
        <translation type="unfinished">Files matching these rules are not synchronized.</translation>
    </message>
    <message>
        <source>Sync temporary files</source>
        <translation type="unfinished">Sync temporary files</translation>
    </message>
    <message>
        <source>Choose how your files are backed up.</source>
        <translation type="unfinished">Choose how your files are backed up.</translation>
    </message>
    <message>
        <source>No folder selected.</source>
        <translation type="unfinished">No folder selected.</translation>
    </message>
    <message>
        <source>Back up your files to the server.</source>
        <translation type="unfinished">Back up your files to the server.</translation>
    </message>
    <message>
        <source>Remote folder</source>
        <translation type="unfinished">Remote folder</translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished">History</translation>
    </message>
    <message>
        <source>Start your first backup</source>
        <translation type="unfinished">Start your first backup</translation>
    </message>
    <message>
        <source>Files matching these rules are not backed up.</source>
        <translation type="unfinished">Files matching these rules are not backed up.</translation>
    </message>
    <message>
        <source>Free up space</source>
        <translation type="unfinished">Free up space</translation>
    </message>
    <message>
        <source>Always keep on this device</source>
        <translation type="unfinished">Always keep on this device</translation>
    </message>
    <message>
        <source>Unpin</source>
        <translation type="unfinished">Unpin</translation>
    </message>
    <message>
        <source>Custom days</source>
        <translation type="unfinished">Custom days</translation>
    </message>
    <message>
        <source>When done</source>
        <translation type="unfinished">When done</translation>
    </message>
    <message>
        <source>Enter a name for this computer.</source>
        <translation type="unfinished">Enter a name for this computer.</translation>
    </message>
    <message>
        <source>Choose a folder on the server.</source>
        <translation type="unfinished">Choose a folder on the server.</translation>
    </message>
    <message>
        <source>Ignore files starting with a dot</source>
        <translation type="unfinished">Ignore files starting with a dot</translation>
    </message>
    <message>
        <source>No valid folder selected.</source>
        <translation type="unfinished">No valid folder selected.</translation>
    </message>
    <message>
        <source>Every</source>
        <translation type="unfinished">Every</translation>
    </message>
    <message>
        <source>Start your first sync</source>
        <translation type="unfinished">Start your first sync</translation>
    </message>
    <message>
        <source>The session could not be registered.</source>
        <translation type="unfinished">The session could not be registered.</translation>
    </message>
    <message>
        <source>The backup server has changed.</source>
        <translation type="unfinished">The backup server has changed.</translation>
    </message>
    <message>
        <source>The SSL certificate of the backup server could not be verified.</source>
        <translation type="unfinished">The SSL certificate of the backup server could not be verified.</translation>
    </message>
    <message>
        <source>This client version is not supported by the backup server.</source>
        <translation type="unfinished">This client version is not supported by the backup server.</translation>
    </message>
    <message>
        <source>The client version is not compatible with the server. Please update the client.</source>
        <translation type="unfinished">The client version is not compatible with the server. Please update the client.</translation>
    </message>
    <message>
        <source>Please check your user name and password and try again.</source>
        <translation type="unfinished">Please check your user name and password and try again.</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Please check the address and your network.</source>
        <translation type="unfinished">Unable to connect to the server. Please check the address and your network.</translation>
    </message>
    <message>
        <source>The certificate of the server is invalid.</source>
        <translation type="unfinished">The certificate of the server is invalid.</translation>
    </message>
    <message>
        <source>The software version is not supported. Please update the server or the client.</source>
        <translation type="unfinished">The software version is not supported. Please update the server or the client.</translation>
    </message>
    <message>
        <source>Not backed up yet</source>
        <translation type="unfinished">Not backed up yet</translation>
    </message>
    <message>
        <source>Sync files between this computer and the server.</source>
        <translation type="unfinished">Sync files between this computer and the server.</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation type="unfinished">Learn more</translation>
    </message>
    <message>
        <source>Set when and how often to back up.</source>
        <translation type="unfinished">Set when and how often to back up.</translation>
    </message>
    <message>
        <source>Run missed backups</source>
        <translation type="unfinished">Run missed backups</translation>
    </message>
    <message>
        <source>Choose the folders to sync.</source>
        <translation type="unfinished">Choose the folders to sync.</translation>
    </message>
    <message>
        <source>Review the settings below and click Done.</source>
        <translation type="unfinished">Review the settings below and click Done.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished">Path</translation>
    </message>
    <message>
        <source>The package version is not valid.</source>
        <translation type="unfinished">The package version is not valid.</translation>
    </message>
    <message>
        <source>Backup authentication failed.</source>
        <translation type="unfinished">Backup authentication failed.</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to back up to this server.</source>
        <translation type="unfinished">Your IP address is not allowed to back up to this server.</translation>
    </message>
    <message>
        <source>The selection contains items that cannot be backed up.</source>
        <translation type="unfinished">The selection contains items that cannot be backed up.</translation>
    </message>
    <message>
        <source>Backup Direction Mismatch</source>
        <translation type="unfinished">Backup Direction Mismatch</translation>
    </message>
    <message>
        <source>Click Install to install Velmora Drive.</source>
        <translation type="unfinished">Click Install to install Velmora Drive.</translation>
    </message>
    <message>
        <source>Enter the address of the backup server and your account.</source>
        <translation type="unfinished">Enter the address of the backup server and your account.</translation>
    </message>
    <message>
        <source>The backup destination is full.</source>
        <translation type="unfinished">The backup destination is full.</translation>
    </message>
    <message>
        <source>Backup Folder Not Mounted</source>
        <translation type="unfinished">Backup Folder Not Mounted</translation>
    </message>
    <message>
        <source>The client encountered an abnormal condition. Please restart it.</source>
        <translation type="unfinished">The client encountered an abnormal condition. Please restart it.</translation>
    </message>
    <message>
        <source>Back up temporary files</source>
        <translation type="unfinished">Back up temporary files</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation type="unfinished">Fri</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation type="unfinished">Mon</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation type="unfinished">Thu</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation type="unfinished">Sat</translation>
    </message>
    <message>
        <source>Home Service Disabled</source>
        <translation type="unfinished">Home Service Disabled</translation>
    </message>
    <message>
        <source>The user home service is disabled, so the backup cannot run.</source>
        <translation type="unfinished">The user home service is disabled, so the backup cannot run.</translation>
    </message>
    <message>
        <source>Local Folder Missing</source>
        <translation type="unfinished">Local Folder Missing</translation>
    </message>
    <message>
        <source>The backup could not be initialized.</source>
        <translation type="unfinished">The backup could not be initialized.</translation>
    </message>
    <message>
        <source>The backup folder on the server is not mounted.</source>
        <translation type="unfinished">The backup folder on the server is not mounted.</translation>
    </message>
    <message>
        <source>Permission Denied</source>
        <translation type="unfinished">Permission Denied</translation>
    </message>
    <message>
        <source>You do not have permission to back up to this folder.</source>
        <translation type="unfinished">You do not have permission to back up to this folder.</translation>
    </message>
    <message>
        <source>Backup Destination Not Mounted</source>
        <translation type="unfinished">Backup Destination Not Mounted</translation>
    </message>
    <message>
        <source>Almost done. Velmora Drive is connected to the Velmora Drive server.</source>
        <translation type="unfinished">Almost done. Velmora Drive is connected to the Velmora Drive server.</translation>
    </message>
    <message>
        <source>Download from the Velmora Drive server only</source>
        <translation type="unfinished">Download from the Velmora Drive server only</translation>
    </message>
    <message>
        <source>Fri.</source>
        <translation type="unfinished">Fri.</translation>
    </message>
    <message>
        <source>Role</source>
        <translation type="unfinished">Role</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished">Sun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation type="unfinished">Tue</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished">Wed</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished">Friday</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished">Monday</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished">Saturday</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished">Sunday</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished">Thursday</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished">Tuesday</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished">Wednesday</translation>
    </message>
    <message>
        <source>I do not accept the terms in the license agreement</source>
        <translation type="unfinished">I do not accept the terms in the license agreement</translation>
    </message>
    <message>
        <source>Disk Full</source>
        <translation type="unfinished">Disk Full</translation>
    </message>
    <message>
        <source>Initialization Failed</source>
        <translation type="unfinished">Initialization Failed</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task.</source>
        <translation type="unfinished">The backup direction does not match the existing task.</translation>
    </message>
    <message>
        <source>The backup destination is not mounted.</source>
        <translation type="unfinished">The backup destination is not mounted.</translation>
    </message>
    <message>
        <source>The local folder of the backup task is missing.</source>
        <translation type="unfinished">The local folder of the backup task is missing.</translation>
    </message>
    <message>
        <source>Shared Folder Quota Full</source>
        <translation type="unfinished">Shared Folder Quota Full</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full; the backup has stopped.</source>
        <translation type="unfinished">The quota of the shared folder is full; the backup has stopped.</translation>
    </message>
    <message>
        <source>Quota Full</source>
        <translation type="unfinished">Quota Full</translation>
    </message>
    <message>
        <source>Your storage quota is full; the backup has stopped.</source>
        <translation type="unfinished">Your storage quota is full; the backup has stopped.</translation>
    </message>
    <message>
        <source>Remote Folder Missing</source>
        <translation type="unfinished">Remote Folder Missing</translation>
    </message>
    <message>
        <source>The backup folder on the server no longer exists.</source>
        <translation type="unfinished">The backup folder on the server no longer exists.</translation>
    </message>
    <message>
        <source>Link permission</source>
        <translation type="unfinished">Link permission</translation>
    </message>
    <message>
        <source>Next backup time</source>
        <translation type="unfinished">Next backup time</translation>
    </message>
    <message>
        <source>Backup plan</source>
        <translation type="unfinished">Backup plan</translation>
    </message>
    <message>
        <source>Sharing link</source>
        <translation type="unfinished">Sharing link</translation>
    </message>
    <message>
        <source>The server version does not support Velmora Drive backup.</source>
        <translation type="unfinished">The server version does not support Velmora Drive backup.</translation>
    </message>
    <message>
        <source>This server is already linked.</source>
        <translation type="unfinished">This server is already linked.</translation>
    </message>
    <message>
        <source>Loading shared folders...</source>
        <translation type="unfinished">Loading shared folders...</translation>
    </message>
    <message>
        <source>Velmora Drive cannot watch files on network drives.</source>
        <translation type="unfinished">Velmora Drive cannot watch files on network drives.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. Continue connecting?</source>
        <translation type="unfinished">The SSL certificate of the server has changed. Continue connecting?</translation>
    </message>
    <message>
        <source>An SSL error occurred.</source>
        <translation type="unfinished">An SSL error occurred.</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <translation type="unfinished">Welcome!</translation>
    </message>
    <message>
        <source>Learn more about the client</source>
        <translation type="unfinished">Learn more about the client</translation>
    </message>
    <message>
        <source>Learn more about Velmora Drive</source>
        <translation type="unfinished">Learn more about Velmora Drive</translation>
    </message>
    <message>
        <source>Linking...</source>
        <translation type="unfinished">Linking...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation type="unfinished">Up to date</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished">Preview</translation>
    </message>
    <message>
        <source>Velmora Drive</source>
        <translation type="unfinished">Velmora Drive</translation>
    </message>
    <message>
        <source>Folder link</source>
        <translation type="unfinished">Folder link</translation>
    </message>
    <message>
        <source>Expiration</source>
        <translation type="unfinished">Expiration</translation>
    </message>
    <message>
        <source>Protect Link</source>
        <translation type="unfinished">Protect Link</translation>
    </message>
    <message>
        <source>This Velmora Drive version is not compatible with the server. Please update Velmora Drive.</source>
        <translation type="unfinished">This Velmora Drive version is not compatible with the server. Please update Velmora Drive.</translation>
    </message>
    <message>
        <source>Create a task to sync or back up your files.</source>
        <translation type="unfinished">Create a task to sync or back up your files.</translation>
    </message>
    <message>
        <source>Open the Velmora Drive web portal</source>
        <translation type="unfinished">Open the Velmora Drive web portal</translation>
    </message>
    <message>
        <source>Velmora Drive Client</source>
        <translation>Velmora Drive 用戶端</translation>
    </message>
    <message>
        <source>This Velmora Drive version is not supported. Please update the server or Velmora Drive.</source>
        <translation type="unfinished">This Velmora Drive version is not supported. Please update the server or Velmora Drive.</translation>
    </message>
    <message>
        <source>Velmora Drive Package</source>
        <translation type="unfinished">Velmora Drive Package</translation>
    </message>
    <message>
        <source>Velmora Drive is ready to go.</source>
        <translation type="unfinished">Velmora Drive is ready to go.</translation>
    </message>
    <message>
        <source>The local folder could not be created.</source>
        <translation type="unfinished">The local folder could not be created.</translation>
    </message>
    <message>
        <source>Files stay in the cloud until you open them, saving disk space.</source>
        <translation type="unfinished">Files stay in the cloud until you open them, saving disk space.</translation>
    </message>
    <message>
        <source>A newer version of Larkspan for Velmora Drive is already installed.</source>
        <translation type="unfinished">A newer version of Larkspan for Velmora Drive is already installed.</translation>
    </message>
    <message>
        <source>Velmora Drive tutorial step 1</source>
        <translation type="unfinished">Velmora Drive tutorial step 1</translation>
    </message>
    <message>
        <source>Task type</source>
        <translation type="unfinished">Task type</translation>
    </message>
    <message>
        <source>Can delete</source>
        <translation type="unfinished">Can delete</translation>
    </message>
    <message>
        <source>Setup will install the sync and backup components.</source>
        <translation type="unfinished">Setup will install the sync and backup components.</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <translation type="unfinished">Enable on-demand sync</translation>
    </message>
    <message>
        <source>The certificate of the server has expired.</source>
        <translation type="unfinished">The certificate of the server has expired.</translation>
    </message>
    <message>
        <source>The on-demand sync root folder is missing.</source>
        <translation type="unfinished">The on-demand sync root folder is missing.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished">Select</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation type="unfinished">On-demand Sync</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <translation type="unfinished">On-demand sync could not be enabled.</translation>
    </message>
    <message>
        <source>Save Disk Space with On-demand Sync</source>
        <translation type="unfinished">Save Disk Space with On-demand Sync</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished">Comment</translation>
    </message>
    <message>
        <source>The date format is invalid.</source>
        <translation type="unfinished">The date format is invalid.</translation>
    </message>
    <message>
        <source>Invalid time.</source>
        <translation type="unfinished">Invalid time.</translation>
    </message>
    <message>
        <source>Double-click a cell to edit it.</source>
        <translation type="unfinished">Double-click a cell to edit it.</translation>
    </message>
    <message>
        <source>Backup Destination</source>
        <translation type="unfinished">Backup Destination</translation>
    </message>
    <message>
        <source>Roles and Permissions</source>
        <translation type="unfinished">Roles and Permissions</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished">Edit</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation type="unfinished">Downloaded</translation>
    </message>
    <message>
        <source>On-demand sync is not supported at this path.</source>
        <translation type="unfinished">On-demand sync is not supported at this path.</translation>
    </message>
    <message>
        <source>Files appear on this computer but are downloaded only when you open them.</source>
        <translation type="unfinished">Files appear on this computer but are downloaded only when you open them.</translation>
    </message>
    <message>
        <source>The local disk is full. The Velmora Drive folder cannot be used.</source>
        <translation type="unfinished">The local disk is full. The Velmora Drive folder cannot be used.</translation>
    </message>
    <message>
        <source>Sync a folder on the server with a folder on this computer.</source>
        <translation type="unfinished">Sync a folder on the server with a folder on this computer.</translation>
    </message>
    <message>
        <source>Sync the items shared with you?</source>
        <translation type="unfinished">Sync the items shared with you?</translation>
    </message>
    <message>
        <source>Sync the files that others shared with you.</source>
        <translation type="unfinished">Sync the files that others shared with you.</translation>
    </message>
    <message>
        <source>Files starting with a dot</source>
        <translation type="unfinished">Files starting with a dot</translation>
    </message>
    <message>
        <source>You need administrator privileges to back up these files.</source>
        <translation type="unfinished">You need administrator privileges to back up these files.</translation>
    </message>
    <message>
        <source>Keep shared files on this computer</source>
        <translation type="unfinished">Keep shared files on this computer</translation>
    </message>
    <message>
        <source>The backup requires a user with the proper privileges.</source>
        <translation type="unfinished">The backup requires a user with the proper privileges.</translation>
    </message>
    <message>
        <source>The server version does not support Velmora Drive.</source>
        <translation type="unfinished">The server version does not support Velmora Drive.</translation>
    </message>
    <message>
        <source>Insufficient privileges.</source>
        <translation type="unfinished">Insufficient privileges.</translation>
    </message>
    <message>
        <source>The backup destination conflicts with another task.</source>
        <translation type="unfinished">The backup destination conflicts with another task.</translation>
    </message>
    <message>
        <source>Protocol error: the server name differs.</source>
        <translation type="unfinished">Protocol error: the server name differs.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation type="unfinished">User name:</translation>
    </message>
    <message>
        <source>Only you can access</source>
        <translation type="unfinished">Only you can access</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation type="unfinished">Continue Anyway</translation>
    </message>
    <message>
        <source>Welcome to the client. This short tour shows you around.</source>
        <translation type="unfinished">Welcome to the client. This short tour shows you around.</translation>
    </message>
    <message>
        <source>You can change the settings at any time from the tray menu.</source>
        <translation type="unfinished">You can change the settings at any time from the tray menu.</translation>
    </message>
    <message>
        <source>Start Tour</source>
        <translation type="unfinished">Start Tour</translation>
    </message>
    <message>
        <source>Available online only</source>
        <translation type="unfinished">Available online only</translation>
    </message>
    <message>
        <source>Available on this device</source>
        <translation type="unfinished">Available on this device</translation>
    </message>
    <message>
        <source>Need help with Velmora Drive? Visit the online help.</source>
        <translation type="unfinished">Need help with Velmora Drive? Visit the online help.</translation>
    </message>
    <message>
        <source>Please enter a user name.</source>
        <translation type="unfinished">Please enter a user name.</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <translation type="unfinished">Synchronization mode</translation>
    </message>
    <message>
        <source>All files will be downloaded to this computer. Continue?</source>
        <translation type="unfinished">All files will be downloaded to this computer. Continue?</translation>
    </message>
    <message>
        <source>Share files with others from the context menu.</source>
        <translation type="unfinished">Share files with others from the context menu.</translation>
    </message>
    <message>
        <source>h</source>
        <translation type="unfinished">h</translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished">m</translation>
    </message>
    <message>
        <source>The Velmora Drive server does not match the one of this connection.</source>
        <translation type="unfinished">The Velmora Drive server does not match the one of this connection.</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation type="unfinished">%1 of %2 used</translation>
    </message>
    <message>
        <source>Protocol error: please update Velmora Drive.</source>
        <translation type="unfinished">Protocol error: please update Velmora Drive.</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation type="unfinished">Processing %1</translation>
    </message>
    <message>
        <source>Processing %1 item</source>
        <translation type="unfinished">Processing %1 item</translation>
    </message>
    <message>
        <source>Processing %1 items</source>
        <translation type="unfinished">Processing %1 items</translation>
    </message>
    <message>
        <source>Storage quota information is not available.</source>
        <translation type="unfinished">Storage quota information is not available.</translation>
    </message>
    <message>
        <source>Your personal storage quota has been reached.</source>
        <translation type="unfinished">Your personal storage quota has been reached.</translation>
    </message>
    <message>
        <source>%1 used of %2 storage</source>
        <translation type="unfinished">%1 used of %2 storage</translation>
    </message>
    <message>
        <source>Some folders have reached their quota limit.</source>
        <translation type="unfinished">Some folders have reached their quota limit.</translation>
    </message>
    <message>
        <source>The filter to restore is not valid.</source>
        <translation type="unfinished">The filter to restore is not valid.</translation>
    </message>
    <message>
        <source>Choose the folders you want to back up.</source>
        <translation type="unfinished">Choose the folders you want to back up.</translation>
    </message>
    <message>
        <source>Choose Backup Source</source>
        <translation type="unfinished">Choose Backup Source</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation type="unfinished">SSL</translation>
    </message>
    <message>
        <source>You are not allowed to back up.</source>
        <translation type="unfinished">You are not allowed to back up.</translation>
    </message>
    <message>
        <source>Your account does not have permission to use the backup service.</source>
        <translation type="unfinished">Your account does not have permission to use the backup service.</translation>
    </message>
    <message>
        <source>You are not allowed to use this service.</source>
        <translation type="unfinished">You are not allowed to use this service.</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation type="unfinished">Not allowed</translation>
    </message>
    <message>
        <source>Show icons for filtered files</source>
        <translation type="unfinished">Show icons for filtered files</translation>
    </message>
    <message>
        <source>Enable password protection for sharing</source>
        <translation type="unfinished">Enable password protection for sharing</translation>
    </message>
    <message>
        <source>Remove Link</source>
        <translation type="unfinished">Remove Link</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this link?</source>
        <translation type="unfinished">Are you sure you want to remove this link?</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation type="unfinished">Storage</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation type="unfinished">Dialog</translation>
    </message>
    <message>
        <source>An abnormal error occurred.</source>
        <translation type="unfinished">An abnormal error occurred.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation type="unfinished">The backup failed.</translation>
    </message>
    <message>
        <source>The session could not be created.</source>
        <translation type="unfinished">The session could not be created.</translation>
    </message>
    <message>
        <source>You do not have permission to access the shared folder.</source>
        <translation type="unfinished">You do not have permission to access the shared folder.</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation type="unfinished">Processing %1...</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation type="unfinished">Syncing</translation>
    </message>
    <message>
        <source>The session could not be loaded.</source>
        <translation type="unfinished">The session could not be loaded.</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation type="unfinished">Operation</translation>
    </message>
    <message>
        <source>No such directory.</source>
        <translation type="unfinished">No such directory.</translation>
    </message>
    <message>
        <source>Protected Sharing</source>
        <translation type="unfinished">Protected Sharing</translation>
    </message>
    <message>
        <source>Shut down the computer after the backup</source>
        <translation type="unfinished">Shut down the computer after the backup</translation>
    </message>
    <message>
        <source>Shutting down the computer requires administrator privileges.</source>
        <translation type="unfinished">Shutting down the computer requires administrator privileges.</translation>
    </message>
    <message>
        <source>The backup was cancelled.</source>
        <translation type="unfinished">The backup was cancelled.</translation>
    </message>
    <message>
        <source>The backup is done.</source>
        <translation type="unfinished">The backup is done.</translation>
    </message>
    <message>
        <source>Backup times</source>
        <translation type="unfinished">Backup times</translation>
    </message>
    <message>
        <source>times</source>
        <translation type="unfinished">times</translation>
    </message>
    <message>
        <source>Choose Backup Mode</source>
        <translation type="unfinished">Choose Backup Mode</translation>
    </message>
    <message>
        <source>Back up now?</source>
        <translation type="unfinished">Back up now?</translation>
    </message>
    <message>
        <source>Run the backups that were missed while the computer was off.</source>
        <translation type="unfinished">Run the backups that were missed while the computer was off.</translation>
    </message>
    <message>
        <source>Please select at least one day of the week.</source>
        <translation type="unfinished">Please select at least one day of the week.</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation type="unfinished">Every day</translation>
    </message>
    <message>
        <source>Last backup time</source>
        <translation type="unfinished">Last backup time</translation>
    </message>
    <message>
        <source>Manual backup</source>
        <translation type="unfinished">Manual backup</translation>
    </message>
    <message>
        <source>Once a day</source>
        <translation type="unfinished">Once a day</translation>
    </message>
    <message>
        <source>Real-time backup</source>
        <translation type="unfinished">Real-time backup</translation>
    </message>
    <message>
        <source>Scheduled backup</source>
        <translation type="unfinished">Scheduled backup</translation>
    </message>
    <message>
        <source>Set Backup Plan</source>
        <translation type="unfinished">Set Backup Plan</translation>
    </message>
    <message>
        <source>Taking a snapshot...</source>
        <translation type="unfinished">Taking a snapshot...</translation>
    </message>
    <message>
        <source>The backup plan information could not be updated.</source>
        <translation type="unfinished">The backup plan information could not be updated.</translation>
    </message>
    <message>
        <source>Files larger than this size are not synchronized.</source>
        <translation type="unfinished">Files larger than this size are not synchronized.</translation>
    </message>
    <message>
        <source>Filter Rules</source>
        <translation type="unfinished">Filter Rules</translation>
    </message>
    <message>
        <source>0 means no limit.</source>
        <translation type="unfinished">0 means no limit.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation type="unfinished">System default</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation type="unfinished">Connection</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation type="unfinished">Activity</translation>
    </message>
    <message>
        <source>Show removed items</source>
        <translation type="unfinished">Show removed items</translation>
    </message>
    <message>
        <source>Used</source>
        <translation type="unfinished">Used</translation>
    </message>
    <message>
        <source>%1 of the quota used</source>
        <translation type="unfinished">%1 of the quota used</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation type="unfinished">Pause Syncing</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation type="unfinished">Resume Syncing</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <translation type="unfinished">Filter settings</translation>
    </message>
    <message>
        <source>replied to a comment on %1</source>
        <translation type="unfinished">replied to a comment on %1</translation>
    </message>
    <message>
        <source>Replies</source>
        <translation type="unfinished">Replies</translation>
    </message>
    <message>
        <source>Edit Connection</source>
        <translation type="unfinished">Edit Connection</translation>
    </message>
    <message>
        <source>No Thanks</source>
        <translation type="unfinished">No Thanks</translation>
    </message>
    <message>
        <source>Created</source>
        <translation type="unfinished">Created</translation>
    </message>
    <message>
        <source>Backup Tasks</source>
        <translation type="unfinished">Backup Tasks</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished">Preferences</translation>
    </message>
    <message>
        <source>Sync Tasks</source>
        <translation type="unfinished">Sync Tasks</translation>
    </message>
    <message>
        <source>Backup mode</source>
        <translation type="unfinished">Backup mode</translation>
    </message>
    <message>
        <source>Recently Changed</source>
        <translation type="unfinished">Recently Changed</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation type="unfinished">Back Up Now</translation>
    </message>
    <message>
        <source>Select Files to Sync</source>
        <translation type="unfinished">Select Files to Sync</translation>
    </message>
    <message>
        <source>Selective Sync Mode</source>
        <translation type="unfinished">Selective Sync Mode</translation>
    </message>
    <message>
        <source>Selective Sync...</source>
        <translation type="unfinished">Selective Sync...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished">Filter</translation>
    </message>
    <message>
        <source>equal to</source>
        <translation type="unfinished">equal to</translation>
    </message>
    <message>
        <source>less than</source>
        <translation type="unfinished">less than</translation>
    </message>
    <message>
        <source>greater than</source>
        <translation type="unfinished">greater than</translation>
    </message>
    <message>
        <source>Your files are up to date.</source>
        <translation type="unfinished">Your files are up to date.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished">Computer</translation>
    </message>
    <message>
        <source>The backup destination conflicts with a Velmora Drive sync folder.</source>
        <translation type="unfinished">The backup destination conflicts with a Velmora Drive sync folder.</translation>
    </message>
    <message>
        <source>The backup destination conflicts with a Velmora Drive backup task.</source>
        <translation type="unfinished">The backup destination conflicts with a Velmora Drive backup task.</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation type="unfinished">IP Address</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <translation type="unfinished">Local sync folder</translation>
    </message>
    <message>
        <source>Open Sync Status</source>
        <translation type="unfinished">Open Sync Status</translation>
    </message>
    <message>
        <source>The server does not support this version of Larkspan.</source>
        <translation type="unfinished">The server does not support this version of Larkspan.</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation type="unfinished">Unable to connect to the server.</translation>
    </message>
    <message>
        <source>The server does not support this version of Larkspan for Velmora Drive.</source>
        <translation type="unfinished">The server does not support this version of Larkspan for Velmora Drive.</translation>
    </message>
</context>
</TS>
