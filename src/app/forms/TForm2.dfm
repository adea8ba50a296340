object Form2: TForm2
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Settings'
  ClientHeight = 244
  ClientWidth = 409
  Color = clSilver
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  Position = poMainFormCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object btnAplicar: TButton
    Left = 5
    Top = 215
    Width = 397
    Height = 25
    Caption = 'Apply and Save'
    TabOrder = 0
    OnClick = btnAplicarClick
  end
  object PageControl1: TPageControl
    Left = 5
    Top = 5
    Width = 400
    Height = 204
    ActivePage = TabSheet1
    Style = tsButtons
    TabOrder = 1
    object TabSheet1: TTabSheet
      Caption = 'Station Position'
      object Panel1: TPanel
        Left = 0
        Top = 0
        Width = 390
        Height = 170
        BevelOuter = bvLowered
        Color = clSilver
        TabOrder = 0
        object Label1: TLabel
          Left = 14
          Top = 5
          Width = 52
          Height = 13
          Caption = 'Station A'
          Font.Charset = DEFAULT_CHARSET
          Font.Color = clWindowText
          Font.Height = -11
          Font.Name = 'Tahoma'
          Font.Style = [fsBold]
        end
        object Label2: TLabel
          Left = 14
          Top = 59
          Width = 52
          Height = 13
          Caption = 'Station B'
          Font.Charset = DEFAULT_CHARSET
          Font.Color = clWindowText
          Font.Height = -11
          Font.Name = 'Tahoma'
          Font.Style = [fsBold]
        end
        object Label3: TLabel
          Left = 14
          Top = 113
          Width = 53
          Height = 13
          Caption = 'Station C'
          Font.Charset = DEFAULT_CHARSET
          Font.Color = clWindowText
          Font.Height = -11
          Font.Name = 'Tahoma'
          Font.Style = [fsBold]
        end
        object Label4: TLabel
          Left = 81
          Top = 5
          Width = 50
          Height = 13
          Caption = 'Coord. X'
          Font.Charset = DEFAULT_CHARSET
          Font.Color = clWindowText
          Font.Height = -11
          Font.Name = 'Tahoma'
          Font.Style = [fsBold]
        end
        object Label5: TLabel
          Left = 153
          Top = 5
          Width = 50
          Height = 13
          Caption = 'Coord. Y'
          Font.Charset = DEFAULT_CHARSET
          Font.Color = clWindowText
          Font.Height = -11
          Font.Name = 'Tahoma'
          Font.Style = [fsBold]
        end
        object Label14: TLabel
          Left = 226
          Top = 75
          Width = 143
          Height = 26
          Caption = 'Select a station and click on map to capture coordenates. '
          Font.Charset = DEFAULT_CHARSET
          Font.Color = clRed
          Font.Height = -11
          Font.Name = 'Tahoma'
          Font.Style = [fsItalic]
          WordWrap = True
        end
        object Image1: TImage
          Left = 36
          Top = 24
          Width = 16
          Height = 20
          AutoSize = True
          Transparent = True
          Picture.Data = {
            09544D65746166696C653C73766720786D6C6E733D22687474703A2F2F777777
            2E77332E6F72672F323030302F737667222077696474683D2231362220686569
            6768743D223230222076696577426F783D22302030203136203230223E0A2020
            3C212D2D20507573682D70696E206D61726B65723A20746865206E6565646C65
            207469702069732074686520626F74746F6D2D6C65667420636F726E65722028
            302C203230292E202D2D3E0A20203C6C696E652078313D22302E36222079313D
            2231392E34222078323D22382E35222079323D22382E3522207374726F6B653D
            222334303430343022207374726F6B652D77696474683D22312E342220737472
            6F6B652D6C696E656361703D22726F756E64222F3E0A20203C636972636C6520
            63783D2231302E32222063793D22352E382220723D22352E32222066696C6C3D
            222365303130313022207374726F6B653D222337613030303022207374726F6B
            652D77696474683D2231222F3E0A20203C636972636C652063783D22382E3622
            2063793D22342E322220723D22312E36222066696C6C3D222366666666666622
            2066696C6C2D6F7061636974793D22302E3735222F3E0A3C2F7376673E0A}
        end
        object Image3: TImage
          Left = 36
          Top = 76
          Width = 16
          Height = 20
          AutoSize = True
          Transparent = True
          Picture.Data = {
            09544D65746166696C653C73766720786D6C6E733D22687474703A2F2F777777
            2E77332E6F72672F323030302F737667222077696474683D2231362220686569
            6768743D223230222076696577426F783D22302030203136203230223E0A2020
            3C212D2D20507573682D70696E206D61726B65723A20746865206E6565646C65
            207469702069732074686520626F74746F6D2D6C65667420636F726E65722028
            302C203230292E202D2D3E0A20203C6C696E652078313D22302E36222079313D
            2231392E34222078323D22382E35222079323D22382E3522207374726F6B653D
            222334303430343022207374726F6B652D77696474683D22312E342220737472
            6F6B652D6C696E656361703D22726F756E64222F3E0A20203C636972636C6520
            63783D2231302E32222063793D22352E382220723D22352E32222066696C6C3D
            222366666530303022207374726F6B653D222338613736303022207374726F6B
            652D77696474683D2231222F3E0A20203C636972636C652063783D22382E3622
            2063793D22342E322220723D22312E36222066696C6C3D222366666666666622
            2066696C6C2D6F7061636974793D22302E3735222F3E0A3C2F7376673E0A}
        end
        object Image2: TImage
          Left = 36
          Top = 132
          Width = 16
          Height = 20
          AutoSize = True
          Transparent = True
          Picture.Data = {
            09544D65746166696C653C73766720786D6C6E733D22687474703A2F2F777777
            2E77332E6F72672F323030302F737667222077696474683D2231362220686569
            6768743D223230222076696577426F783D22302030203136203230223E0A2020
            3C212D2D20507573682D70696E206D61726B65723A20746865206E6565646C65
            207469702069732074686520626F74746F6D2D6C65667420636F726E65722028
            302C203230292E202D2D3E0A20203C6C696E652078313D22302E36222079313D
            2231392E34222078323D22382E35222079323D22382E3522207374726F6B653D
            222334303430343022207374726F6B652D77696474683D22312E342220737472
            6F6B652D6C696E656361703D22726F756E64222F3E0A20203C636972636C6520
            63783D2231302E32222063793D22352E382220723D22352E32222066696C6C3D
            222330306538663022207374726F6B653D222330303665373822207374726F6B
            652D77696474683D2231222F3E0A20203C636972636C652063783D22382E3622
            2063793D22342E322220723D22312E36222066696C6C3D222366666666666622
            2066696C6C2D6F7061636974793D22302E3735222F3E0A3C2F7376673E0A}
        end
        object rbtnA: TRadioButton
          Left = 14
          Top = 22
          Width = 19
          Height = 24
          Color = clRed
          ParentColor = False
          TabOrder = 0
        end
        object rbtnB: TRadioButton
          Left = 14
          Top = 75
          Width = 19
          Height = 24
          Color = clRed
          ParentColor = False
          TabOrder = 3
        end
        object rbtnC: TRadioButton
          Left = 14
          Top = 128
          Width = 19
          Height = 24
          Color = clRed
          ParentColor = False
          TabOrder = 6
        end
        object txt_xA: TEdit
          Left = 81
          Top = 24
          Width = 40
          Height = 21
          TabOrder = 1
        end
        object txt_yA: TEdit
          Left = 153
          Top = 24
          Width = 40
          Height = 21
          TabOrder = 2
        end
        object txt_xB: TEdit
          Left = 81
          Top = 76
          Width = 40
          Height = 21
          TabOrder = 4
        end
        object txt_yB: TEdit
          Left = 153
          Top = 76
          Width = 40
          Height = 21
          TabOrder = 5
        end
        object txt_xC: TEdit
          Left = 81
          Top = 132
          Width = 40
          Height = 21
          TabOrder = 7
        end
        object txt_yC: TEdit
          Left = 153
          Top = 132
          Width = 40
          Height = 21
          TabOrder = 8
        end
      end
    end
    object TabSheet2: TTabSheet
      Caption = 'Pulse Velocity'
      ImageIndex = 1
      object Panel2: TPanel
        Left = 0
        Top = 0
        Width = 390
        Height = 170
        BevelOuter = bvLowered
        Color = clSilver
        TabOrder = 0
        object Label7: TLabel
          Left = 15
          Top = 15
          Width = 84
          Height = 13
          Caption = 'Pulse Velocity'
          Font.Charset = DEFAULT_CHARSET
          Font.Color = clWindowText
          Font.Height = -11
          Font.Name = 'Tahoma'
          Font.Style = [fsBold]
        end
        object Label8: TLabel
          Left = 205
          Top = 15
          Width = 35
          Height = 13
          Caption = 'mm / s'
        end
        object txt_vel: TEdit
          Left = 120
          Top = 12
          Width = 75
          Height = 21
          Hint = 'Use only integers values'
          ParentShowHint = False
          ShowHint = True
          TabOrder = 0
        end
      end
    end
    object TabSheet3: TTabSheet
      Caption = 'Acquisition Parameters'
      ImageIndex = 2
      object Panel3: TPanel
        Left = 0
        Top = 0
        Width = 390
        Height = 170
        BevelOuter = bvLowered
        Color = clSilver
        TabOrder = 0
        object Label10: TLabel
          Left = 15
          Top = 15
          Width = 99
          Height = 13
          Caption = 'Acquisition Time'
          Font.Charset = DEFAULT_CHARSET
          Font.Color = clWindowText
          Font.Height = -11
          Font.Name = 'Tahoma'
          Font.Style = [fsBold]
        end
        object Label11: TLabel
          Left = 205
          Top = 15
          Width = 41
          Height = 13
          Caption = 'seconds'
        end
        object Label12: TLabel
          Left = 15
          Top = 50
          Width = 98
          Height = 13
          Caption = 'Acquisition Rate'
          Font.Charset = DEFAULT_CHARSET
          Font.Color = clWindowText
          Font.Height = -11
          Font.Name = 'Tahoma'
          Font.Style = [fsBold]
        end
        object Label13: TLabel
          Left = 205
          Top = 50
          Width = 63
          Height = 13
          Caption = 'samples / s'
        end
        object Label6: TLabel
          Left = 15
          Top = 85
          Width = 89
          Height = 13
          Caption = 'Min. Amplitude'
          Font.Charset = DEFAULT_CHARSET
          Font.Color = clWindowText
          Font.Height = -11
          Font.Name = 'Tahoma'
          Font.Style = [fsBold]
        end
        object lblLevel: TLabel
          Left = 296
          Top = 85
          Width = 6
          Height = 13
          Caption = '0'
        end
        object cmbTempo: TComboBox
          Left = 120
          Top = 15
          Width = 75
          Height = 21
          ItemHeight = 13
          TabOrder = 0
          Text = '1'
          Items.Strings = (
            '1'
            '2'
            '3'
            '4'
            '5'
            '6'
            '7'
            '8'
            '9'
            '10'
            '15'
            '20')
        end
        object cmbTaxa: TComboBox
          Left = 120
          Top = 47
          Width = 75
          Height = 21
          ItemHeight = 13
          TabOrder = 1
          Text = '8000'
          Items.Strings = (
            '8000'
            '11025'
            '22050'
            '44100')
        end
        object barLevel: TScrollBar
          Left = 120
          Top = 83
          Width = 161
          Height = 17
          LargeChange = 10
          Max = 1000
          PageSize = 0
          TabOrder = 2
          OnChange = barLevelChange
        end
        object Label15: TLabel
          Left = 15
          Top = 120
          Width = 99
          Height = 13
          Caption = 'Pick arrivals by'
          Font.Charset = DEFAULT_CHARSET
          Font.Color = clWindowText
          Font.Height = -11
          Font.Name = 'Tahoma'
          Font.Style = [fsBold]
        end
        object cmbPick: TComboBox
          Left = 120
          Top = 117
          Width = 161
          Height = 21
          Style = csDropDownList
          ItemHeight = 13
          TabOrder = 3
          Items.Strings = (
            'level (first sample)'
            'onset'
            'correlation')
        end
        object btnLevelFromNoise: TButton
          Left = 120
          Top = 144
          Width = 161
          Height = 21
          Hint = 'Sets the level just above what the idle inputs reach in Listen Sensors'
          Caption = 'Level from Idle Noise'
          ShowHint = True
          TabOrder = 4
          OnClick = btnLevelFromNoiseClick
        end
      end
    end
    object TabSheet4: TTabSheet
      Caption = 'View'
      ImageIndex = 3
      object Panel4: TPanel
        Left = 0
        Top = 0
        Width = 390
        Height = 170
        BevelOuter = bvLowered
        Color = clSilver
        TabOrder = 0
        object chkShowCircles: TCheckBox
          Left = 15
          Top = 15
          Width = 185
          Height = 17
          Caption = 'Show circles of trilateration'
          TabOrder = 0
          OnClick = chkShowCirclesClick
        end
      end
    end
  end
end
