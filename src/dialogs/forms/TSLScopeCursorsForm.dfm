object SLScopeCursorsForm: TSLScopeCursorsForm
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Cursors'
  ClientHeight = 262
  ClientWidth = 505
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object CursorListBox: TCheckListBox
    Left = 0
    Top = 0
    Width = 145
    Height = 262
    TabOrder = 0
  end
  object Panel1: TPanel
    Left = 148
    Top = 4
    Width = 197
    Height = 254
    BevelOuter = bvNone
    TabOrder = 1
    object Label1: TLabel
      Left = 6
      Top = 34
      Width = 27
      Height = 13
      Caption = '&Name'
    end
    object Label2: TLabel
      Left = 6
      Top = 74
      Width = 20
      Height = 13
      Caption = '&Kind'
    end
    object Label3: TLabel
      Left = 6
      Top = 99
      Width = 33
      Height = 13
      Caption = '&X Axis'
    end
    object Label4: TLabel
      Left = 6
      Top = 127
      Width = 33
      Height = 13
      Caption = '&Y Axis'
    end
    object VisibleCheckBox: TCheckBox
      Left = 6
      Top = 0
      Width = 53
      Height = 17
      Caption = '&Visible'
      TabOrder = 0
    end
    object Panel2: TPanel
      Left = 61
      Top = 4
      Width = 41
      Height = 25
      BevelOuter = bvLowered
      TabOrder = 1
      object ColorPaintBox: TPaintBox
        Left = 1
        Top = 1
        Width = 39
        Height = 23
      end
    end
    object PointColorButton: TButton
      Left = 106
      Top = 4
      Width = 65
      Height = 25
      Caption = '&Color...'
      TabOrder = 2
    end
    object NameEdit: TEdit
      Left = 6
      Top = 48
      Width = 185
      Height = 21
      TabOrder = 3
    end
    object KindComboBox: TComboBox
      Left = 40
      Top = 70
      Width = 151
      Height = 21
      Style = csDropDownList
      TabOrder = 4
    end
    object XAxisComboBox: TComboBox
      Left = 40
      Top = 95
      Width = 151
      Height = 21
      Style = csDropDownList
      TabOrder = 5
    end
    object YAxisComboBox: TComboBox
      Left = 40
      Top = 123
      Width = 151
      Height = 21
      Style = csDropDownList
      TabOrder = 6
    end
  end
  object GroupBox1: TGroupBox
    Left = 348
    Top = 0
    Width = 157
    Height = 262
    Caption = ' Channlels '
    TabOrder = 2
    object ChannelsListBox: TCheckListBox
      Left = 6
      Top = 18
      Width = 145
      Height = 236
      TabOrder = 0
    end
  end
end
